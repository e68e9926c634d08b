#include "availability.h"

#include "contactclient/automation.h"

#include <initializer_list>

namespace {

// Present means anything but the empty string: blanks count. Every value has been read before
// this decides.
bool anyPresent(std::initializer_list<QString> values)
{
    bool present = false;
    for (const QString& v : values)
        present = present || !v.isEmpty();
    return present;
}

} // namespace

ActionStates actionStates(const contactclient::ContactItem* contact, bool checkEmailAddresses)
{
    ActionStates states;
    if (!contact)
        return states;
    const contactclient::ContactItem& c = *contact;
    states.found = true;
    states.view = true;
    // Braced lists evaluate in order: each group is read first to last.
    states.email = !checkEmailAddresses || anyPresent({c.Email1Address(), c.Email2Address(), c.Email3Address()});
    states.quickEmail = states.email;
    states.dial = anyPresent({c.MobileTelephoneNumber(), c.BusinessTelephoneNumber(), c.HomeTelephoneNumber(),
                              c.Home2TelephoneNumber(), c.Business2TelephoneNumber()});
    states.write = anyPresent({c.HomeAddress(), c.BusinessAddress(), c.OtherAddress()});
    return states;
}
