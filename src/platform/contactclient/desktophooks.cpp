#include "desktophooks.h"

namespace contactclient {
namespace {

class NoDesktop : public DesktopHooks {
public:
    void showContactCard(const ContactItem&) override {}
    void showDialer(const ContactItem&) override {}
    void openComposer(const MailItem&) override {}
};

NoDesktop s_noDesktop;
DesktopHooks* s_hooks = &s_noDesktop;

} // namespace

DesktopHooks& desktopHooks()
{
    return *s_hooks;
}

void setDesktopHooks(DesktopHooks* hooks)
{
    s_hooks = hooks ? hooks : &s_noDesktop;
}

} // namespace contactclient
