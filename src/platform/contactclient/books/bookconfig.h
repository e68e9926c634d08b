#pragma once
// Which address books the contact client reads. "[ContactClient] Books=" lists them in order,
// separated by commas, each "backend:location" or a folder:
//
//   Books=~/.contacts, thunderbird, vcard:/srv/shared/contacts, carddav
//
//   vcard:FOLDER        a folder of .vcf files, or a vdir root (one book per collection)
//   thunderbird[:WHERE] the address books of the default Thunderbird profile, of a profile
//                       folder, or one abook*.sqlite file
//   carddav             the CardDAV account of the section's CardDav* keys
//   eds                 the desktop's address books (GNOME), as the EdsBooks key chooses them
//   ldap                the company directory of the section's Ldap* keys
//
// Without Books= the single back-end of Backend= is read, as before.

#include "contactclient/books/mergedstore.h"

#include <QStringList>

#include <functional>

class SettingsStore;

namespace contactclient {

namespace carddav {
class PasswordPrompt;
}
// Who is asked for an address book's password (null: the terminal, when there is one).
using PromptPtr = std::shared_ptr<carddav::PasswordPrompt>;

struct BookSpec {
    QString backend;  // "vcard", "thunderbird", "carddav", …
    QString location; // as written, "~/" not yet expanded; may be empty
    QString text() const { return location.isEmpty() ? backend : backend + QLatin1Char(':') + location; }
};

// The books of a Books= text, in order. An entry with no known "backend:" in front is a folder.
QList<BookSpec> parseBooks(const QString& text);

// A back-end that can be a book: its name in Books= and how it makes the books of a location.
// One entry can make several books (a Thunderbird profile has several address books).
struct BookBackend {
    QString name;
    std::function<std::vector<Book>(const QString& location, const SettingsStore& settings, const PromptPtr& prompt)>
        create;
};

// The back-ends Books= and Backend= understand. Another back-end joins by adding its entry here.
const QList<BookBackend>& bookBackends();

// The books one entry names. Throws AutomationError (errStoreUnavailable) for an unknown back-end
// or a location that names nothing.
std::vector<Book> createBooks(const BookSpec& spec, const SettingsStore& settings, const PromptPtr& prompt = nullptr);

// The store the settings describe: the books of Books=, else the one back-end of Backend=.
std::shared_ptr<Store> createConfiguredStore(const SettingsStore& settings, const PromptPtr& prompt);

// One store over the books: the single book's own store when there is one, else a merge.
std::shared_ptr<Store> storeOfBooks(std::vector<Book> books);

// "~" and "~/…" made absolute.
QString expandHome(const QString& path);

} // namespace contactclient
