#pragma once
// The windows the contact client opens on the desktop and the hand-offs to other programs:
// contact card, call window, mail composer. Back-ends' items call these; the real ones live with
// the actions, tests install recording ones.

#include "contactclient/automation.h"

namespace contactclient {

class DesktopHooks {
public:
    virtual ~DesktopHooks() = default;
    virtual void showContactCard(const ContactItem& contact) = 0;
    virtual void showDialer(const ContactItem& contact) = 0;
    virtual void openComposer(const MailItem& mail) = 0;
};

// The hooks in use; never null (a do-nothing set until one is installed).
DesktopHooks& desktopHooks();
void setDesktopHooks(DesktopHooks* hooks);

} // namespace contactclient
