// quintel-contacts [--json] [--filter TEXT] [--search WORDS] [--book BOOK | FOLDER]
//                  [--backend eds [--book NAME] [--list-books] [--wait SECONDS]]
// quintel-contacts --set ENTRYID --value PROPERTY=VALUE [--value …] [--book BOOK | FOLDER]
// quintel-contacts --add --value PROPERTY=VALUE [--value …] [--book BOOK | FOLDER]
// quintel-contacts --delete ENTRYID [--book BOOK | FOLDER]
// Lists the address book's items as the contact client sees them; with --search, the contacts the
// bar's list of matches finds for the words, in its order. A server's book (CardDAV, LDAP)
// is brought up to date first (within the back-end's deadline), unless --offline. Exit status: 0
// all items read; 1 some cards or files were skipped, or a server's copy could not be brought up
// to date (said on stderr); 2 nothing could be listed. Changes one
// contact, adds or deletes one through the same write path as the bar: exit status 0 written, 2
// not written (a read-only book, a contact changed meanwhile, an unknown property or entry ID).

#include "contactlisting.h"

#include "contactclient/books/bookconfig.h"
#include "contactclient/books/vdircollections.h"
#include "contactclient/clientapplication.h"
#include "contactclient/factory.h"
#include "contactclient/localcopy/localcopy.h"
#include "contactclient/vcard/vcardfolderstore.h"
#ifdef QUINTEL_HAVE_EDS
#include "contactclient/eds/edsbooklist.h"
#include "contactclient/eds/edsstore.h"
#endif
#include "contacts/contactlistdata.h"
#include "contacts/contactsearch.h"
#include "contacts/contactuse.h"
#include "settingsstore.h"
#include "translations.h"

#include <QDateTime>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace cc = contactclient;

namespace {

// The cards and files every vCard folder among the store's books skipped.
QList<cc::SkippedItem> skippedCards(cc::Store& store, const QString& prefix = {})
{
    QList<cc::SkippedItem> skipped;
    if (auto* folder = dynamic_cast<cc::VCardFolderStore*>(&store)) {
        for (cc::SkippedItem s : folder->skipped()) {
            s.file = prefix + s.file;
            skipped.append(s);
        }
    } else if (auto* merged = dynamic_cast<cc::MergedStore*>(&store)) {
        for (const cc::Book& book : merged->books())
            skipped += skippedCards(*book.store, prefix + book.label + QLatin1Char('/'));
    }
    return skipped;
}

// The notes of the folders that are not there (a folder named wrongly, a disk not mounted).
QStringList missingFolders(cc::Store& store)
{
    QStringList notes;
    if (auto* folder = dynamic_cast<cc::VCardFolderStore*>(&store)) {
        if (folder->folderMissing())
            notes.append(folder->statusNote());
    } else if (auto* merged = dynamic_cast<cc::MergedStore*>(&store)) {
        for (const cc::Book& book : merged->books())
            notes += missingFolders(*book.store);
    }
    return notes;
}

// The books served from a server's copy.
QList<cc::LocalCopy*> serverCopies(cc::Store& store)
{
    QList<cc::LocalCopy*> copies;
    if (auto* copy = dynamic_cast<cc::LocalCopy*>(&store)) {
        copies.append(copy);
    } else if (auto* merged = dynamic_cast<cc::MergedStore*>(&store)) {
        for (const cc::Book& book : merged->books())
            copies += serverCopies(*book.store);
    }
    return copies;
}

// Why books of several were left out.
QStringList leftOutBooks(cc::Store& store)
{
    QStringList out;
    if (auto* merged = dynamic_cast<cc::MergedStore*>(&store)) {
        out += merged->failures();
        for (const cc::Book& book : merged->books())
            out += leftOutBooks(*book.store);
    }
    return out;
}

struct Assignment {
    QString property;
    QString value;
};

// PROPERTY=VALUE pairs; false (and a message) for one that is not of that form or names a property
// the listing does not print.
bool parseAssignments(const QStringList& texts, QList<Assignment>& out, QTextStream& err)
{
    const QStringList known = cc::formPropertyNames();
    for (const QString& text : texts) {
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            err << "quintel-contacts: --value takes PROPERTY=VALUE, not \"" << text << "\"\n";
            return false;
        }
        const QString property = text.left(eq).trimmed();
        if (!known.contains(property)) {
            err << "quintel-contacts: unknown property \"" << property
                << "\"; known: " << known.join(QStringLiteral(", ")) << '\n';
            return false;
        }
        out.append({property, text.mid(eq + 1)});
    }
    return true;
}

// --set, --add and --delete. Returns the exit status.
int writeContact(cc::Application& application, const QString& mode, const QString& entryId,
                 const QList<Assignment>& values, QTextStream& out, QTextStream& err)
{
    try {
        auto ns = application.GetNamespace(QStringLiteral("MAPI"));
        ns->Logon();
        std::shared_ptr<cc::ContactItem> item;
        if (mode == QLatin1String("add")) {
            item = application.CreateItem(cc::olContactItem);
        } else {
            try {
                item = ns->GetItemFromID(entryId);
            } catch (const cc::ItemNotFound&) {
                err << "quintel-contacts: no contact has the entry ID \"" << entryId << "\"\n";
                return 2;
            }
        }
        if (!item->writable()) {
            err << "quintel-contacts: " << item->readOnlyReason() << '\n';
            return 2;
        }
        if (mode == QLatin1String("delete")) {
            const QString name = item->FullName().isEmpty() ? item->FileAs() : item->FullName();
            item->Delete();
            out << "deleted\t" << entryId << "\t" << name << "\t(kept in " << item->deletedFolder() << ")\n";
            if (!item->writeNote().isEmpty()) // kept on this computer until the server answers
                err << "quintel-contacts: " << item->writeNote() << '\n';
            return 0;
        }
        cc::ContactForm form = item->form();
        for (const Assignment& a : values)
            cc::setFormProperty(form, a.property, a.value);
        item->setForm(form);
        item->Save();
        out << (mode == QLatin1String("add") ? "added\t" : "written\t") << item->EntryID() << '\n';
        if (!item->writeNote().isEmpty())
            err << "quintel-contacts: " << item->writeNote() << '\n';
        return 0;
    } catch (const cc::AutomationError& e) {
        err << "quintel-contacts: " << e.description() << " (error " << e.number() << ")\n";
        return 2;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quintel-contacts"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUINTEL_VERSION_TEXT));
    translations::install(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "quintel-contacts", "Lists the contact items of Quintel's address book, as the contact bar sees them.\n"
                            "Exit status: 0 all read; 1 some cards or files skipped (see stderr); 2 nothing listed."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption json(
        QStringLiteral("json"), QCoreApplication::translate("quintel-contacts", "One JSON object per item and line."));
    const QCommandLineOption filter(
        QStringLiteral("filter"),
        QCoreApplication::translate("quintel-contacts",
                                    "Only the items the filter keeps, e.g. [Categories] = \"Work\"."),
        QStringLiteral("TEXT"));
    const QCommandLineOption book(
        QStringLiteral("book"),
        QCoreApplication::translate(
            "quintel-contacts",
            "One address book, written as in the Books setting: a folder, vcard:FOLDER, "
            "thunderbird[:PROFILE or FILE], carddav. With --backend eds: the desktop's address book "
            "by name or UID (several: separated by \";\")."),
        QStringLiteral("BOOK"));
    const QCommandLineOption backend(
        QStringLiteral("backend"),
        QCoreApplication::translate(
            "quintel-contacts",
            "The back-end to read, as a book of the Books setting names it (vcard, thunderbird, carddav, "
            "eds). Default: the configured address books."),
        QStringLiteral("NAME"));
    const QCommandLineOption listBooks(
        QStringLiteral("list-books"),
        QCoreApplication::translate("quintel-contacts", "With --backend eds: the desktop's address books with their "
                                                        "contact counts."));
    const QCommandLineOption wait(
        QStringLiteral("wait"),
        QCoreApplication::translate("quintel-contacts",
                                    "Longest wait for the desktop's address book, in seconds (default 15)."),
        QStringLiteral("SECONDS"), QStringLiteral("15"));
    const QCommandLineOption search(
        QStringLiteral("search"),
        QCoreApplication::translate(
            "quintel-contacts",
            "Only the contacts the words find, as the bar's list of matches finds them (every word "
            "begins a word of a name, nickname, organisation, title, e-mail address, category, city or "
            "postal code, or is part of a number; accents and letter case ignored), in its order."),
        QStringLiteral("WORDS"));
    const QCommandLineOption set(
        QStringLiteral("set"),
        QCoreApplication::translate("quintel-contacts",
                                    "Changes the contact with this entry ID (as the listing prints it) by "
                                    "the --value options."),
        QStringLiteral("ENTRYID"));
    const QCommandLineOption add(
        QStringLiteral("add"),
        QCoreApplication::translate("quintel-contacts",
                                    "Adds a contact made of the --value options to the address book."));
    const QCommandLineOption remove(
        QStringLiteral("delete"),
        QCoreApplication::translate("quintel-contacts", "Deletes the contact with this entry ID; its card is kept in "
                                                        "~/.local/share/Quintel/deleted-contacts."),
        QStringLiteral("ENTRYID"));
    const QCommandLineOption value(
        QStringLiteral("value"),
        QCoreApplication::translate("quintel-contacts", "PROPERTY=VALUE, PROPERTY a name the listing prints (FullName, "
                                                        "Email1Address, MobileTelephoneNumber, HomeAddress as "
                                                        "street;city;region;postal code;country, Categories as a comma "
                                                        "list, …); an empty VALUE removes it. Repeatable."),
        QStringLiteral("PROPERTY=VALUE"));
    parser.addOption(set);
    parser.addOption(add);
    parser.addOption(remove);
    parser.addOption(value);
    const QCommandLineOption offline(
        QStringLiteral("offline"),
        QCoreApplication::translate("quintel-contacts", "List a server's book (CardDAV, LDAP) from its copy at once, "
                                                        "without bringing the copy up to date."));
    parser.addOption(json);
    parser.addOption(offline);
    parser.addOption(filter);
    parser.addOption(search);
    parser.addOption(book);
    parser.addOption(backend);
    parser.addOption(listBooks);
    parser.addOption(wait);
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QCoreApplication::translate("quintel-contacts",
                                    "A folder of .vcf files or a vdir root with one folder per collection "
                                    "(default: the configured address books)."),
        QStringLiteral("[FOLDER]"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    // Arguments not understood end with status 2, as every other usage error here does.
    if (!parser.parse(QCoreApplication::arguments())) {
        err << "quintel-contacts: " << parser.errorText() << '\n';
        return 2;
    }
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    const QStringList args = parser.positionalArguments();
    if (args.size() > 1 || (!args.isEmpty() && parser.isSet(book))) {
        err << "quintel-contacts: one folder or one --book at most\n";
        return 2;
    }

    const int modes = int(parser.isSet(set)) + int(parser.isSet(add)) + int(parser.isSet(remove));
    if (modes > 1) {
        err << "quintel-contacts: one of --set, --add and --delete at a time\n";
        return 2;
    }
    QList<Assignment> assignments;
    if (modes == 1) {
        if (parser.isSet(json) || parser.isSet(filter) || parser.isSet(listBooks)) {
            err << "quintel-contacts: --set, --add and --delete take no --json, --filter or --list-books\n";
            return 2;
        }
        if (!parseAssignments(parser.values(value), assignments, err))
            return 2;
        if (assignments.isEmpty() && !parser.isSet(remove)) {
            err << "quintel-contacts: --set and --add need at least one --value PROPERTY=VALUE\n";
            return 2;
        }
        if (!assignments.isEmpty() && parser.isSet(remove)) {
            err << "quintel-contacts: --delete takes no --value\n";
            return 2;
        }
    } else if (parser.isSet(value)) {
        err << "quintel-contacts: --value goes with --set or --add\n";
        return 2;
    }

    const QString backendName = parser.value(backend).trimmed().toLower();
    bool waitOk = false;
    const double waitSeconds = parser.value(wait).toDouble(&waitOk);
    if (!waitOk || waitSeconds <= 0 || waitSeconds > 3600) {
        err << "quintel-contacts: --wait takes a number of seconds between 0 and 3600\n";
        return 2;
    }
    const auto waitTime = std::chrono::milliseconds(static_cast<qint64>(waitSeconds * 1000));
    if (parser.isSet(listBooks) && backendName != QLatin1String("eds")) {
        err << "quintel-contacts: --list-books goes with --backend eds\n";
        return 2;
    }
    if (!backendName.isEmpty() && !args.isEmpty()) {
        err << "quintel-contacts: a FOLDER or a --backend, not both\n";
        return 2;
    }

    QSettingsStore settings;
    std::shared_ptr<cc::Store> store;
    std::shared_ptr<cc::Application> application;
    if (backendName == QLatin1String("eds")) {
#ifdef QUINTEL_HAVE_EDS
        if (parser.isSet(listBooks)) {
            try {
                for (const cc::eds::BookSummary& b : cc::eds::listBooks(waitTime)) {
                    out << b.book.name << '\t' << b.book.uid << '\t';
                    if (b.contacts < 0)
                        out << "cannot be read: " << b.problem << '\n';
                    else
                        out << b.contacts << (b.contacts == 1 ? " contact" : " contacts") << '\n';
                }
            } catch (const cc::AutomationError& e) {
                err << "quintel-contacts: " << e.description() << " (error " << e.number() << ")\n";
                return 2;
            }
            return 0;
        }
        cc::EdsStore::Options options;
        options.books = parser.value(book);
        options.wait = waitTime;
        store = std::make_shared<cc::EdsStore>(options);
        application = std::make_shared<cc::ClientApplication>(store, nullptr, cc::noDesktop());
#else
        Q_UNUSED(waitTime);
        err << "quintel-contacts: this build has no support for the desktop's address book (libebook)\n";
        return 2;
#endif
    }
    try {
        if (store) {
            // the desktop's address book, above
        } else if (!backendName.isEmpty()) {
            if (parser.isSet(book)) {
                err << "quintel-contacts: --backend NAME takes no --book (write --book NAME:WHERE)\n";
                return 2;
            }
            store = cc::storeOfBooks(cc::createBooks({backendName, {}}, settings));
            application = std::make_shared<cc::ClientApplication>(store, nullptr, cc::noDesktop());
        } else if (parser.isSet(book)) {
            const QList<cc::BookSpec> specs = cc::parseBooks(parser.value(book));
            if (specs.size() != 1) {
                err << "quintel-contacts: --book names one address book\n";
                return 2;
            }
            store = cc::storeOfBooks(cc::createBooks(specs.front(), settings));
            application = std::make_shared<cc::ClientApplication>(store, nullptr, cc::noDesktop());
        } else if (args.isEmpty()) {
            application = cc::createApplication(settings, cc::noDesktop(), nullptr);
            if (auto client = std::dynamic_pointer_cast<cc::ClientApplication>(application))
                store = std::shared_ptr<cc::Store>(application, &client->store());
        } else {
            store = cc::createFolderBook(args.front());
            application = std::make_shared<cc::ClientApplication>(store, nullptr, cc::noDesktop());
        }
    } catch (const cc::AutomationError& e) {
        err << "quintel-contacts: " << e.description() << " (error " << e.number() << ")\n";
        return 2;
    }

    if (modes == 1) {
        const QString mode = parser.isSet(set)   ? QStringLiteral("set")
                             : parser.isSet(add) ? QStringLiteral("add")
                                                 : QStringLiteral("delete");
        const QString entryId = parser.isSet(set) ? parser.value(set) : parser.value(remove);
        const int status = writeContact(*application, mode, entryId, assignments, out, err);
        out.flush();
        return status;
    }

    int failures = 0;
    try {
        auto ns = application->GetNamespace(QStringLiteral("MAPI"));
        ns->Logon();
        // A single folder that is not there is an address book that cannot be read, not an empty one.
        if (auto* folder = dynamic_cast<cc::VCardFolderStore*>(store.get()); folder && folder->folderMissing()) {
            err << "quintel-contacts: " << folder->statusNote() << " (error " << int(cc::errStoreUnavailable) << ")\n";
            return 2;
        }
        // The bar refreshes a server's copy in the background; a one-off listing waits for that
        // refresh (each back-end bounds it by its own deadline) so that it does not print a copy
        // that is out of date without saying so.
        if (store && !parser.isSet(offline)) {
            for (cc::LocalCopy* copy : serverCopies(*store))
                copy->waitForRefresh();
        }
        std::shared_ptr<cc::ItemSet> items = ns->GetDefaultFolder(cc::olFolderContacts)->Items();
        if (parser.isSet(filter))
            items = items->Restrict(parser.value(filter));
        QStringList ids;
        QList<contactlisting::Match> matches;
        if (parser.isSet(search)) {
            auto lists = std::make_shared<const ContactListData>(buildContactLists(*items));
            const ContactSearch finder(lists);
            const ContactUse use(ContactUse::standardFile());
            const std::vector<float> scores = use.scores(lists->entryIds, QDateTime::currentSecsSinceEpoch());
            ContactFinder::Ranking ranking;
            ranking.use = scores;
            for (const ContactSearch::Shown& row :
                 finder.find(parser.value(search), ranking, std::max(1, lists->contactCount))) {
                ids.append(row.entryId);
                matches.append({row.value.isEmpty() ? QString() : contactlisting::kindName(row.kind), row.value});
            }
        } else {
            items->forEach([&](const cc::Item& item) { ids.append(item.EntryID()); });
        }
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const QString& id = ids.at(i);
            try {
                const auto contact = ns->GetItemFromID(id);
                const contactlisting::Match match = matches.value(i);
                if (parser.isSet(json))
                    contactlisting::writeJson(out, *contact, match);
                else
                    contactlisting::writeText(out, *contact, match);
            } catch (const cc::AutomationError& e) {
                err << "quintel-contacts: skipped " << id << ": " << e.description() << '\n';
                ++failures;
            }
        }
    } catch (const cc::AutomationError& e) {
        out.flush();
        err << "quintel-contacts: " << e.description() << " (error " << e.number() << ")\n";
        return 2;
    }
    out.flush();
    if (backendName == QLatin1String("eds") && !store->statusNote().isEmpty()) {
        err << "quintel-contacts: " << store->statusNote() << '\n';
        ++failures;
    }
    // A server's copy that could not be brought up to date (or is still being fetched) says so.
    if (store && !parser.isSet(offline)) {
        for (cc::LocalCopy* copy : serverCopies(*store)) {
            if (const QString note = copy->statusNote(); !note.isEmpty()) {
                err << "quintel-contacts: " << note << '\n';
                ++failures;
            }
        }
    }
    if (store) {
        for (const cc::SkippedItem& s : skippedCards(*store)) {
            err << "quintel-contacts: skipped " << s.text() << '\n';
            ++failures;
        }
        for (const QString& note : missingFolders(*store)) {
            err << "quintel-contacts: " << note << '\n';
            ++failures;
        }
        // Books left out of several.
        for (const QString& failure : leftOutBooks(*store)) {
            err << "quintel-contacts: " << failure << '\n';
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
