#include "mailfactory.h"

#include "mail/clientmailitem.h"
#include "mail/mailaccount.h"

namespace mail {

contactclient::MailItemFactory createMailItemFactory(SettingsStore& settings)
{
    // The account is read at each send, so a changed setting counts at once.
    return [&settings](contactclient::NameSpace& ns, contactclient::DesktopHooks& desktop) {
        return std::make_unique<ClientMailItem>(ns, desktop, [&settings] { return readMailAccount(settings); });
    };
}

} // namespace mail
