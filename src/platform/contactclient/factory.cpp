#include "factory.h"

#include "contactclient/carddav/carddavstore.h"
#include "contactclient/clientapplication.h"
#include "contactclient/clientconfig.h"
#include "contactclient/ldap/ldapstore.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "mail/mailfactory.h"
#include "settingsstore.h"

namespace contactclient {

std::shared_ptr<Application> createApplication(SettingsStore& settings)
{
    const QString backend = clientSetting(settings, key::Backend, QStringLiteral("vcard")).trimmed().toLower();
    std::shared_ptr<Store> store;
    if (backend == QStringLiteral("carddav"))
        store = createCardDavStore(settings);
    else if (backend == QStringLiteral("ldap"))
        store = createLdapStore(settings);
    else if (backend == QStringLiteral("vcard") || backend.isEmpty())
        store = createVCardFolderStore(settings);
    else
        throw AutomationError(
            errStoreUnavailable,
            QStringLiteral("Unknown address book back-end \"%1\" (key Backend: \"vcard\", \"carddav\" or \"ldap\").")
                .arg(backend));
    return std::make_shared<ClientApplication>(std::move(store), mail::createMailItemFactory(settings));
}

} // namespace contactclient
