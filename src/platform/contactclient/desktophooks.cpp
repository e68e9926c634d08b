#include "desktophooks.h"

namespace contactclient {
namespace {

class NoDesktop : public DesktopHooks {
public:
    void showContactCard(const ContactItem&) override {}
    void showDialer(const ContactItem&) override {}
    void openComposer(const MailItem&) override {}
};

} // namespace

DesktopHooks& noDesktop()
{
    static NoDesktop none;
    return none;
}

} // namespace contactclient
