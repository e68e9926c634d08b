#pragma once
// How a vCard becomes a contact item: names, e-mail addresses in preference order, the five
// phone numbers, the addresses, categories and what the contact card shows.

#include "contactclient/automation.h"
#include "contactclient/vcard/vcardreader.h"

namespace vcard {

// What the contact lists need of a card.
struct ContactSummary {
    bool group = false; // KIND:group or X-ADDRESSBOOKSERVER-KIND:group
    QString fileAs;
    QString fullName;
    QStringList categories;
    // The other fields the contact is found by (contactclient/searchfields.h).
    QString searchFields;
};

struct ContactData {
    ContactSummary summary;
    QStringList emails; // preference order: preferred first, then file order
    QString email1DisplayName;
    QString mobile, business, business2, home, home2;
    QString homeAddress, businessAddress, otherAddress, mailingAddress;
    contactclient::CardDetails details;
};

ContactSummary summarize(const Card& card);
// The fields a card is found by beyond its names: name parts, nickname, organisation, title,
// e-mail addresses, numbers, the summary's categories, cities and postal codes.
QString searchFieldsOf(const Card& card, const ContactSummary& summary);
ContactData mapContact(const Card& card);

// "Name" <address> as a mail header needs it; the bare address without a name.
QString mailbox(const QString& displayName, const QString& address);

// The text of a property: charset decoded, escapes resolved, blanks trimmed.
QString propertyText(const Property& p);

} // namespace vcard
