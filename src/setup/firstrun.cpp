#include "firstrun.h"

#include "contactclient/clientconfig.h"
#include "contactclient/errors.h"
#include "settingsstore.h"

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
          key::MailTransport, key::MailFolder, key::SendmailPath, key::SmtpHost, key::SmtpPort, key::SmtpSecurity,
          key::SmtpUser, key::SmtpPassword, key::MailFrom, key::MailFromName}) {
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
        return QStringLiteral("The folder %1 cannot be created.").arg(path);
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

} // namespace firstrun
