#pragma once
// Which of a contact's e-mail addresses a mail goes to. A plain click on E-mail or Quick e-mail
// writes to the first; the buttons' menu lists them all to pick another.

#include "contactclient/automation.h"

#include <QList>
#include <QString>

namespace mailaddresses {

struct Address {
    QString address;
    QString kind; // "work", "home", … as the card says; empty when untyped or unknown
    bool operator==(const Address&) const = default;
};

// The contact's addresses, the first (the default) first, each once (addresses differing only in
// case are one). The card's own list with its kinds where the address book gives one, else the
// contact's three address fields.
QList<Address> of(const contactclient::ContactItem& contact);

// Whether the address is still one of the contact's.
bool has(const contactclient::ContactItem& contact, const QString& address);

// The menu entry for an address, "ann@work.example (work)"; an "&" in it is shown, never taken
// for a mnemonic.
QString menuText(const Address& address);

// Who a mail to this address of the contact goes to: "Name <address>", the name quoted where a
// mail program would read it otherwise.
QString recipient(const contactclient::ContactItem& contact, const QString& address);

} // namespace mailaddresses
