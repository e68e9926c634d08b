#include "contactlisting.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace contactlisting {

using contactclient::ContactItem;

QList<std::pair<QString, QString>> properties(const ContactItem& c)
{
    return {
        {QStringLiteral("FullName"), c.FullName()},
        {QStringLiteral("Email1Address"), c.Email1Address()},
        {QStringLiteral("Email2Address"), c.Email2Address()},
        {QStringLiteral("Email3Address"), c.Email3Address()},
        {QStringLiteral("Email1DisplayName"), c.Email1DisplayName()},
        {QStringLiteral("MobileTelephoneNumber"), c.MobileTelephoneNumber()},
        {QStringLiteral("BusinessTelephoneNumber"), c.BusinessTelephoneNumber()},
        {QStringLiteral("Business2TelephoneNumber"), c.Business2TelephoneNumber()},
        {QStringLiteral("HomeTelephoneNumber"), c.HomeTelephoneNumber()},
        {QStringLiteral("Home2TelephoneNumber"), c.Home2TelephoneNumber()},
        {QStringLiteral("HomeAddress"), c.HomeAddress()},
        {QStringLiteral("BusinessAddress"), c.BusinessAddress()},
        {QStringLiteral("OtherAddress"), c.OtherAddress()},
        {QStringLiteral("MailingAddress"), c.MailingAddress()},
    };
}

QString kindName(contactclient::searchfields::Kind kind)
{
    using Kind = contactclient::searchfields::Kind;
    switch (kind) {
    case Kind::Name:
        return QStringLiteral("name");
    case Kind::Nickname:
        return QStringLiteral("nickname");
    case Kind::Organization:
        return QStringLiteral("organization");
    case Kind::Title:
        return QStringLiteral("title");
    case Kind::Email:
        return QStringLiteral("email");
    case Kind::Phone:
        return QStringLiteral("phone");
    case Kind::Category:
        return QStringLiteral("category");
    case Kind::Place:
        return QStringLiteral("place");
    }
    return QStringLiteral("field");
}

void writeText(QTextStream& out, const ContactItem& c, const Match& match)
{
    out << c.TypeName() << QLatin1Char('\t') << c.EntryID() << QLatin1Char('\n');
    out << QStringLiteral("  FileAs: ") << c.FileAs() << QLatin1Char('\n');
    for (const auto& [name, value] : properties(c)) {
        if (value.isEmpty())
            continue;
        QString shown = value;
        shown.replace(QLatin1Char('\n'), QStringLiteral("\n    "));
        out << QStringLiteral("  ") << name << QStringLiteral(": ") << shown << QLatin1Char('\n');
    }
    const QStringList categories = c.Categories();
    if (!categories.isEmpty())
        out << QStringLiteral("  Categories: ") << categories.join(QStringLiteral(", ")) << QLatin1Char('\n');
    if (!match.value.isEmpty())
        out << QStringLiteral("  Matched: ") << match.field << QStringLiteral(": ") << match.value << QLatin1Char('\n');
}

void writeJson(QTextStream& out, const ContactItem& c, const Match& match)
{
    QJsonObject o;
    o.insert(QStringLiteral("TypeName"), c.TypeName());
    o.insert(QStringLiteral("EntryID"), c.EntryID());
    o.insert(QStringLiteral("FileAs"), c.FileAs());
    for (const auto& [name, value] : properties(c))
        o.insert(name, value);
    o.insert(QStringLiteral("Categories"), QJsonArray::fromStringList(c.Categories()));
    if (!match.value.isEmpty())
        o.insert(QStringLiteral("Matched"),
                 QJsonObject{{QStringLiteral("field"), match.field}, {QStringLiteral("value"), match.value}});
    out << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) << QLatin1Char('\n');
}

} // namespace contactlisting
