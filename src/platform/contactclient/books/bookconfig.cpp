#include "bookconfig.h"

#include "contactclient/books/vdircollections.h"
#include "contactclient/carddav/carddavstore.h"
#include "contactclient/clientconfig.h"
#include "contactclient/ldap/ldapstore.h"
#include "contactclient/thunderbird/thunderbirdstore.h"
#include "contactclient/vcard/vcardfolderstore.h"
#ifdef QUINTEL_HAVE_EDS
#include "contactclient/eds/edsstore.h"
#endif
#include "settingsstore.h"

#include <QDir>
#include <QFileInfo>

namespace contactclient {
namespace {

std::vector<Book> vcardBooks(const QString& location, const SettingsStore& settings, const PromptPtr&)
{
    const QString folder = location.isEmpty() ? vcardFolderFromSettings(settings) : expandHome(location);
    const QString label = QFileInfo(QDir::cleanPath(folder)).fileName();
    return {{label, createFolderBook(folder)}};
}

std::vector<Book> cardDavBooks(const QString& location, const SettingsStore& settings, const PromptPtr& prompt)
{
    if (!location.isEmpty())
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("A CardDAV book takes its account from the CardDav keys; write "
                                             "\"carddav\" alone in Books (not \"carddav:%1\").")
                                  .arg(location));
    return {{QStringLiteral("CardDAV"), createCardDavStore(settings, prompt)}};
}

std::vector<Book> thunderbirdBooksOf(const QString& location, const SettingsStore&, const PromptPtr&)
{
    return thunderbirdBooks(expandHome(location));
}

// The desktop's address book: the books its EdsBooks key chooses (all by default).
std::vector<Book> desktopBooks(const QString& location, const SettingsStore& settings, const PromptPtr&)
{
    if (!location.isEmpty())
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The desktop's address books are chosen with the EdsBooks key; write "
                                             "\"eds\" alone in Books (not \"eds:%1\").")
                                  .arg(location));
#ifdef QUINTEL_HAVE_EDS
    return {{QStringLiteral("Desktop"), createEdsStore(settings)}};
#else
    Q_UNUSED(settings);
    throw AutomationError(errStoreUnavailable,
                          QStringLiteral("This Quintel was built without the desktop's address book (libebook)."));
#endif
}

std::vector<Book> directoryBooks(const QString& location, const SettingsStore& settings, const PromptPtr& prompt)
{
    if (!location.isEmpty())
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("A company directory takes its account from the Ldap keys; write "
                                             "\"ldap\" alone in Books (not \"ldap:%1\").")
                                  .arg(location));
    return {{QStringLiteral("Directory"), createLdapStore(settings, prompt)}};
}

} // namespace

QString expandHome(const QString& path)
{
    const QString p = path.trimmed();
    if (p == QLatin1String("~") || p.startsWith(QLatin1String("~/")))
        return QDir::homePath() + p.mid(1);
    return p;
}

const QList<BookBackend>& bookBackends()
{
    static const QList<BookBackend> backends = {
        {QStringLiteral("vcard"), vcardBooks},     {QStringLiteral("thunderbird"), thunderbirdBooksOf},
        {QStringLiteral("carddav"), cardDavBooks}, {QStringLiteral("eds"), desktopBooks},
        {QStringLiteral("ldap"), directoryBooks},
    };
    return backends;
}

QList<BookSpec> parseBooks(const QString& text)
{
    QList<BookSpec> books;
    for (const QString& raw : text.split(QLatin1Char(','))) {
        const QString entry = raw.trimmed();
        if (entry.isEmpty())
            continue;
        const qsizetype colon = entry.indexOf(QLatin1Char(':'));
        const QString head = (colon < 0 ? entry : entry.left(colon)).trimmed().toLower();
        bool known = false;
        for (const BookBackend& b : bookBackends())
            known = known || b.name == head;
        if (known)
            books.append({head, colon < 0 ? QString() : entry.mid(colon + 1).trimmed()});
        else
            books.append({QStringLiteral("vcard"), entry});
    }
    return books;
}

std::vector<Book> createBooks(const BookSpec& spec, const SettingsStore& settings, const PromptPtr& prompt)
{
    for (const BookBackend& b : bookBackends())
        if (b.name == spec.backend)
            return b.create(spec.location, settings, prompt);
    QStringList names;
    for (const BookBackend& b : bookBackends())
        names.append(QLatin1Char('"') + b.name + QLatin1Char('"'));
    throw AutomationError(errStoreUnavailable, QStringLiteral("Unknown address book back-end \"%1\" (one of %2).")
                                                   .arg(spec.backend, names.join(QStringLiteral(", "))));
}

std::shared_ptr<Store> storeOfBooks(std::vector<Book> books)
{
    if (books.size() == 1)
        return books.front().store;
    return std::make_shared<MergedStore>(std::move(books));
}

std::shared_ptr<Store> createConfiguredStore(const SettingsStore& settings, const PromptPtr& prompt)
{
    const QList<BookSpec> specs = parseBooks(clientSetting(settings, key::Books));
    if (specs.isEmpty()) {
        QString backend = clientSetting(settings, key::Backend, QStringLiteral("vcard")).trimmed().toLower();
        if (backend.isEmpty())
            backend = QStringLiteral("vcard");
        return storeOfBooks(createBooks({backend, {}}, settings, prompt));
    }
    std::vector<Book> books;
    for (const BookSpec& spec : specs) {
        try {
            for (Book& book : createBooks(spec, settings, prompt))
                books.push_back(std::move(book));
        } catch (const AutomationError& e) {
            // Left out with its reason on the status line; the other books still load.
            books.push_back({spec.text(), std::make_shared<UnavailableStore>(e.description())});
        }
    }
    if (books.size() == 1)
        return books.front().store;
    return std::make_shared<MergedStore>(std::move(books));
}

} // namespace contactclient
