#include "factory.h"

#include "contactclient/clientapplication.h"
#include "contactclient/clientconfig.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "mail/mailfactory.h"
#include "settingsstore.h"

namespace contactclient {

std::shared_ptr<Application> createApplication(SettingsStore& settings)
{
    std::shared_ptr<Store> store = createVCardFolderStore(settings);
    return std::make_shared<ClientApplication>(std::move(store), mail::createMailItemFactory(settings));
}

} // namespace contactclient
