#pragma once
// Thunderbird's cards as vCard text. Current Thunderbird keeps the whole card in the property
// "_vCard"; older versions kept only name/value properties (FirstName, PrimaryEmail, WorkPhone,
// …), which are written out here as a vCard 4.0 card. A mailing list becomes a group card.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace contactclient::thunderbird {

using Properties = QHash<QString, QString>; // property name -> value, as the database holds them

// The card's vCard: its "_vCard" property when it has one, else one built from the properties.
QByteArray cardVCard(const Properties& properties);

// A vCard 4.0 card built from the name/value properties of older Thunderbird versions.
QByteArray vcardFromProperties(const Properties& properties);

// A group card for a mailing list, with its members' addresses.
QByteArray listVCard(const QString& name, const QString& nickName, const QString& description,
                     const QStringList& memberAddresses);

} // namespace contactclient::thunderbird
