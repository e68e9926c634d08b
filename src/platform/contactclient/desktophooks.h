#pragma once
// The windows the contact client opens on the desktop and the hand-offs to other programs:
// contact card, call window, mail composer. The application is built with them and hands them to
// what it gives out (namespace, items, mail items); the real ones live with the actions, tests
// pass recording ones.

#include "contactclient/automation.h"

namespace contactclient {

class DesktopHooks {
public:
    virtual ~DesktopHooks() = default;
    virtual void showContactCard(const ContactItem& contact) = 0;
    virtual void showDialer(const ContactItem& contact) = 0;
    virtual void openComposer(const MailItem& mail) = 0;
};

// Hooks that show nothing, for a program without windows (the command-line tools).
DesktopHooks& noDesktop();

} // namespace contactclient
