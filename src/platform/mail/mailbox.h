#pragma once
// Addresses and recipients: what may stand in a header, and how a recipient text is read.

#include <QList>
#include <QString>

namespace mail {

struct Mailbox {
    QString name;    // display name, may be empty
    QString address; // addr-spec: local@domain
};

// A recipient text as the user or the bar gave it: a mailbox ("Name <address>"), a bare address,
// or a full name that the address book has to resolve (address empty).
struct Recipient {
    QString name;
    QString address;
    bool needsLookup() const { return address.isEmpty(); }
};

// True when the text holds a control character (C0, DEL, C1) or a Unicode line separator.
bool hasControlCharacter(const QString& text);

// Throws errMailAddress when the value holds CR, LF or another control character. `what` names
// the field in the message ("subject", "sender name", …).
void requireHeaderSafe(const QString& what, const QString& value);

// A plain ASCII addr-spec without quoting, comments or spaces: local@domain.
bool isUsableAddress(const QString& address);

// The address as it is sent: a domain written in Unicode ("bücher.example") in its ASCII form
// ("xn--bcher-kva.example"). Empty when the address cannot be made usable: a local part outside
// ASCII would need a server that takes UTF-8 addresses, which is not assumed.
QString wireAddress(const QString& address);

// True when the text is exactly one addr-spec in dot-atom form (RFC 5322, with the UTF-8 letters
// of RFC 6532): local@domain, nothing before or after, no second address hidden behind a quote,
// an angle bracket, a comma or a semicolon. Addresses taken from a contact card must pass this
// before they are offered for mail.
bool isAddrSpec(const QString& address);

// Splits a To text at semicolons outside quotes; empty parts are dropped.
QList<QString> splitRecipients(const QString& to);

// Reads one recipient. Throws errMailAddress for an unusable address or unsafe text.
Recipient parseRecipient(const QString& text);

} // namespace mail
