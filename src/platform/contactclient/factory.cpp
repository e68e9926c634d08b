#include "factory.h"

#include "contactclient/books/bookconfig.h"
#include "contactclient/clientapplication.h"
#include "mail/mailfactory.h"
#include "settingsstore.h"

namespace contactclient {

std::shared_ptr<Application> createApplication(SettingsStore& settings)
{
    return std::make_shared<ClientApplication>(createConfiguredStore(settings), mail::createMailItemFactory(settings));
}

} // namespace contactclient
