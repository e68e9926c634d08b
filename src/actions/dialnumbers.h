#pragma once
// The numbers a call window offers for a contact, mobile first, and the tel: URL of a number.

#include "contactclient/automation.h"

#include <QList>
#include <QUrl>

namespace dialing {

struct Number {
    QString kind;        // "Mobile", "Business", "Home", … as shown
    QString number;      // as the address book has it
    bool mobile = false; // a mobile number, which can take text messages
};

// Mobile, business, business 2, home, home 2, then any other voice number of the card;
// each number once, fax and pager numbers left out.
QList<Number> numbersOf(const contactclient::ContactItem& contact);

// tel:NUMBER with white space removed and everything but digits, "+" and the visual separators
// percent-encoded. An empty URL when nothing dialable is left.
QUrl telUrl(const QString& number);

// sms:NUMBER, written as telUrl() writes the number; empty when nothing is left to send to.
QUrl smsUrl(const QString& number);

} // namespace dialing
