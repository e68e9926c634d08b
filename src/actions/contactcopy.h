#pragma once
// Copying a contact for another program: its first e-mail address as "Name <address>", the form
// mail programs take in their address fields.

#include "contactclient/automation.h"

#include <QString>

#include <functional>

class ContactSession;
class QWidget;

namespace contactcopy {

// "John Smith <js@example.com>"; the name is quoted when it holds characters an address field
// would read otherwise ("\"Smith, John\" <js@example.com>"). Only the address when there is no
// name; empty when there is no address.
QString mailbox(const QString& name, const QString& address);

// The contact's first e-mail address with its name, as mailbox() writes it.
QString mailboxOf(const contactclient::ContactItem& contact);

// Ctrl+Shift+C on the bar copies the chosen contact's mailbox to the clipboard and says so with
// note, on the bar's status line (Ctrl+C stays the entry box's own copy).
void install(QWidget& bar, const ContactSession& session, std::function<void(const QString&)> note);

} // namespace contactcopy
