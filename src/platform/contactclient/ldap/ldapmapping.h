#pragma once
// How a directory entry becomes a contact item. The entry is written as a vCard into the local
// copy, so that the vCard reader gives it exactly the properties of any other contact:
//   FullName   displayName, else cn           FileAs    "sn, givenName", else cn
//   e-mails    every mail value                phones    mobile, telephoneNumber, homePhone
//   addresses  postalAddress (else street, l, st, postalCode, c) as business, homePostalAddress
//              as home
//   categories departmentNumber, else ou      groupOfNames: a distribution list
// Each role names a list of attributes, the first with a value wins; a [LdapAttributes] section
// of the settings can name others (attribute names, comma-separated).

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class SettingsStore;

namespace contactclient::ldap {

// One entry as the server sent it: attribute names in lower case, values as bytes (UTF-8).
struct Entry {
    QString dn;
    QHash<QString, QList<QByteArray>> attributes;

    QStringList values(const QString& attribute) const;
    QString first(const QString& attribute) const { return values(attribute).value(0); }
    bool hasObjectClass(const QString& objectClass) const;
};

struct AttributeMap {
    QStringList fullName{QStringLiteral("displayName"), QStringLiteral("cn")};
    QStringList commonName{QStringLiteral("cn")};
    QStringList surname{QStringLiteral("sn")};
    QStringList givenName{QStringLiteral("givenName")};
    QStringList email{QStringLiteral("mail")};
    QStringList mobile{QStringLiteral("mobile")};
    QStringList business{QStringLiteral("telephoneNumber")};
    QStringList home{QStringLiteral("homePhone")};
    QStringList businessAddress{QStringLiteral("postalAddress")};
    QStringList street{QStringLiteral("street")};
    QStringList locality{QStringLiteral("l")};
    QStringList region{QStringLiteral("st")};
    QStringList postalCode{QStringLiteral("postalCode")};
    QStringList country{QStringLiteral("c")};
    QStringList homeAddress{QStringLiteral("homePostalAddress")};
    QStringList categories{QStringLiteral("departmentNumber"), QStringLiteral("ou")};
    QStringList organization{QStringLiteral("o")};
    QStringList title{QStringLiteral("title")};

    // Every attribute the mapping reads, for the search request.
    QStringList requested() const;
    // The same map with every name in lower case, as entries hold them: quicker to map with.
    AttributeMap lowered() const;
};

// The defaults with what the [LdapAttributes] section names instead (keys: FullName, CommonName,
// Surname, GivenName, Email, Mobile, Business, Home, BusinessAddress, Street, Locality, Region,
// PostalCode, Country, HomeAddress, Categories, Organization, Title).
AttributeMap attributeMap(const SettingsStore& settings);
inline const QString kAttributesSection = QStringLiteral("LdapAttributes");

// A postal address in LDAP's own form (RFC 4517: "$" between lines, "\24" for a dollar sign,
// "\5C" for a backslash) as multi-line text; blank lines dropped.
QString decodePostalAddress(const QString& value);

// The entry as a vCard; empty when the entry has no name at all (no full name, surname, given
// name or common name).
QByteArray toVCard(const Entry& entry, const QString& uid, const AttributeMap& map);

} // namespace contactclient::ldap
