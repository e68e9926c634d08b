#pragma once
// Creates the contact client configured in the settings store's contact-client section.

#include "contactclient/automation.h"

class SettingsStore;

namespace contactclient {

// Chooses the back-end and the mail transport. Does not open the address book (Logon does).
std::shared_ptr<Application> createApplication(SettingsStore& settings);

} // namespace contactclient
