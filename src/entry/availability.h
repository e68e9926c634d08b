#pragma once
// Which actions the chosen contact allows. Reads the contact's properties in a fixed order:
// the three e-mail addresses (only when they are to be checked), the five phone numbers, the
// three addresses.

namespace contactclient {
class ContactItem;
}

struct ActionStates {
    bool found = false; // a contact is chosen: the lamp is lit
    bool view = false;
    bool email = false;
    bool quickEmail = false;
    bool dial = false;
    bool write = false;

    friend bool operator==(const ActionStates&, const ActionStates&) = default;
};

// contact: the chosen one, nullptr for none. checkEmailAddresses: the mail buttons need an address.
ActionStates actionStates(const contactclient::ContactItem* contact, bool checkEmailAddresses);
