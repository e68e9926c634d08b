#pragma once
// Mail items of the contact client and the transport they are sent through.

#include "contactclient/clientapplication.h"

class SettingsStore;

namespace mail {

// Mail items sending through the transport configured in the contact client's section.
contactclient::MailItemFactory createMailItemFactory(SettingsStore& settings);

} // namespace mail
