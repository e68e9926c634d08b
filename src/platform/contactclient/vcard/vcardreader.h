#pragma once
// Splits vCard data into cards and reads their properties. Reads vCard 2.1, 3.0 and 4.0; a card
// it cannot read is reported with a reason and the next card is read as usual.

#include "contactclient/vcard/vcardlines.h"

#include <QString>

#include <functional>

namespace vcard {

// How much of each card to read. Summary keeps only what the contact lists need; Full keeps
// every property, the photo included.
enum class Detail { Summary, Full };

struct Card {
    int index = 0;        // 1-based position among the cards of the data
    qsizetype offset = 0; // the card's bytes in the data, BEGIN line to END line
    qsizetype length = 0;
    QString error; // why the card cannot be read; empty when it was read
    int count = 1; // cards this entry stands for: the unread rest of a file counts every card in it
    QList<Property> properties;

    bool ok() const { return error.isEmpty(); }
    const Property* first(QByteArrayView name) const;
};

inline constexpr int kMaxCardsPerFile = 200000;
inline constexpr int kMaxPropertiesPerCard = 10000;

// Calls visit for every card (read or not) in order; visit returns false to stop. Returns the
// number of cards seen.
int readCards(QByteArrayView data, Detail detail, const std::function<bool(Card&)>& visit);

// Brings UTF-16 data (with its byte-order mark) to UTF-8; other data is returned as it is.
QByteArray toUtf8Data(const QByteArray& data);

// The properties the contact lists need (name in any letter case).
bool isSummaryProperty(QByteArrayView name);

} // namespace vcard
