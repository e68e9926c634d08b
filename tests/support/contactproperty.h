#pragma once
// A contact item's property by its automation name ("FullName", "Email1Address", …), for
// table-driven tests that name the property in a column. Categories read as one text, joined by '|'.

#include "contactclient/automation.h"

#include <QString>

#include <map>

namespace testsupport {

inline QString contactProperty(const contactclient::ContactItem& c, const QString& name)
{
    using contactclient::ContactItem;
    static const std::map<QString, QString (ContactItem::*)() const> getters = {
        {QStringLiteral("TypeName"), &ContactItem::TypeName},
        {QStringLiteral("FullName"), &ContactItem::FullName},
        {QStringLiteral("FileAs"), &ContactItem::FileAs},
        {QStringLiteral("Email1Address"), &ContactItem::Email1Address},
        {QStringLiteral("Email2Address"), &ContactItem::Email2Address},
        {QStringLiteral("Email3Address"), &ContactItem::Email3Address},
        {QStringLiteral("Email1DisplayName"), &ContactItem::Email1DisplayName},
        {QStringLiteral("MobileTelephoneNumber"), &ContactItem::MobileTelephoneNumber},
        {QStringLiteral("BusinessTelephoneNumber"), &ContactItem::BusinessTelephoneNumber},
        {QStringLiteral("Business2TelephoneNumber"), &ContactItem::Business2TelephoneNumber},
        {QStringLiteral("HomeTelephoneNumber"), &ContactItem::HomeTelephoneNumber},
        {QStringLiteral("Home2TelephoneNumber"), &ContactItem::Home2TelephoneNumber},
        {QStringLiteral("HomeAddress"), &ContactItem::HomeAddress},
        {QStringLiteral("BusinessAddress"), &ContactItem::BusinessAddress},
        {QStringLiteral("OtherAddress"), &ContactItem::OtherAddress},
        {QStringLiteral("MailingAddress"), &ContactItem::MailingAddress},
    };
    if (name == QLatin1String("Categories"))
        return c.Categories().join(QLatin1Char('|'));
    return (c.*getters.at(name))();
}

} // namespace testsupport
