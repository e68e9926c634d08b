#pragma once
// Creates the contact client configured in the settings store's contact-client section.

#include "contactclient/automation.h"

#include <memory>

class SettingsStore;

namespace contactclient {

class DesktopHooks;
namespace carddav {
class PasswordPrompt;
}

// Chooses the back-end and the mail transport. Does not open the address book (Logon does).
// desktop: the card, call window and composer the client's objects open (it outlives them);
// prompt: who is asked for an address book's password (null: the terminal, when there is one).
std::shared_ptr<Application> createApplication(SettingsStore& settings, DesktopHooks& desktop,
                                               const std::shared_ptr<carddav::PasswordPrompt>& prompt);

} // namespace contactclient
