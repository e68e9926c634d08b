#include "firstrun.h"

#include "contactclient/clientconfig.h"
#include "contactclient/errors.h"
#include "settingsstore.h"
#ifdef QUINTEL_HAVE_EDS
#include "contactclient/eds/edsbooklist.h"
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace firstrun {

QString defaultContactsFolder()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(data + QStringLiteral("/contacts"));
}

bool nothingConfigured(const SettingsStore& store)
{
    using namespace contactclient;
    for (const QString& k :
         {key::Backend, key::Books, key::Folder, key::CardDavUrl, key::CardDavUser, key::CardDavAddressBook,
          key::EdsBooks, key::MailTransport, key::MailFolder, key::SendmailPath, key::SmtpHost, key::SmtpPort,
          key::SmtpSecurity, key::SmtpUser, key::SmtpPassword, key::MailFrom, key::MailFromName}) {
        if (!clientSetting(store, k).isEmpty())
            return false;
    }
    return true;
}

bool needsSetup(const SettingsStore& store, const QString& defaultFolder)
{
    return nothingConfigured(store) && !QFileInfo(defaultFolder).isDir();
}

QString useLocalAddressBook(SettingsStore& store, const QString& folder)
{
    const QString path = QDir::cleanPath(folder);
    if (!QDir().mkpath(path))
        return QCoreApplication::translate("SetupWindow", "The folder %1 cannot be created.").arg(path);
    try {
        store.SaveSetting(contactclient::kClientApplication, contactclient::kClientSection, contactclient::key::Backend,
                          QStringLiteral("vcard"));
        if (path != defaultContactsFolder())
            store.SaveSetting(contactclient::kClientApplication, contactclient::kClientSection,
                              contactclient::key::Folder, path);
    } catch (const contactclient::AutomationError& e) {
        return e.description();
    }
    return {};
}

QString useDesktopAddressBook(SettingsStore& store)
{
#ifdef QUINTEL_HAVE_EDS
    if (!needsSetup(store))
        return {};
    int contacts = 0;
    int books = 0;
    try {
        for (const contactclient::eds::BookSummary& b : contactclient::eds::listBooks(std::chrono::seconds(5))) {
            if (b.contacts > 0) {
                contacts += b.contacts;
                ++books;
            }
        }
    } catch (const contactclient::AutomationError&) {
        return {}; // no desktop address book: the set-up window asks
    }
    if (contacts == 0)
        return {};
    try {
        store.SaveSetting(contactclient::kClientApplication, contactclient::kClientSection, contactclient::key::Backend,
                          QStringLiteral("eds"));
    } catch (const contactclient::AutomationError&) {
        return {};
    }
    return QCoreApplication::translate(
               "SetupWindow", "Using the desktop's address book (%1 contacts in %2 %3); Quintel Setup changes this.")
        .arg(contacts)
        .arg(books)
        .arg(books == 1 ? QStringLiteral("book") : QStringLiteral("books"));
#else
    Q_UNUSED(store);
    return {};
#endif
}

} // namespace firstrun
