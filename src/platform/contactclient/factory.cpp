#include "factory.h"

#include "contactclient/books/bookconfig.h"
#include "contactclient/carddav/credentials.h"
#include "contactclient/clientapplication.h"
#include "mail/mailfactory.h"
#include "settingsstore.h"

namespace contactclient {

std::shared_ptr<Application> createApplication(SettingsStore& settings, DesktopHooks& desktop,
                                               const std::shared_ptr<carddav::PasswordPrompt>& prompt)
{
    return std::make_shared<ClientApplication>(createConfiguredStore(settings, prompt),
                                               mail::createMailItemFactory(settings), desktop);
}

} // namespace contactclient
