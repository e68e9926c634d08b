#include "ldapmapping.h"

#include "contactclient/clientconfig.h"
#include "settingsstore.h"

#include <QRegularExpression>

namespace contactclient::ldap {
namespace {

// The values of the first attribute of the list that has any.
QStringList firstValues(const Entry& entry, const QStringList& attributes)
{
    for (const QString& a : attributes) {
        QStringList v = entry.values(a);
        if (!v.isEmpty())
            return v;
    }
    return {};
}

QString firstValue(const Entry& entry, const QStringList& attributes)
{
    return firstValues(entry, attributes).value(0);
}

// A text value of a vCard: the separators escaped, control characters dropped. Line breaks stay
// in multi-line values (addresses) and become blanks in all others.
QString escaped(const QString& text, bool multiLine = false)
{
    QString out;
    out.reserve(text.size() + 8);
    const QString source = multiLine ? text : QString(text).replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (const QChar c : source) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case ',':
            out += QLatin1String("\\,");
            break;
        case ';':
            out += QLatin1String("\\;");
            break;
        case '\n':
            out += multiLine ? QLatin1String("\\n") : QLatin1String(" ");
            break;
        case '\r':
            if (!multiLine)
                out += QLatin1Char(' ');
            break;
        case '\t':
            out += QLatin1Char(' ');
            break;
        default:
            if (c.unicode() >= 0x20 && c.unicode() != 0x7f)
                out += c;
        }
    }
    return out;
}

void line(QString& card, const QString& name, const QString& value)
{
    card += name + QLatin1Char(':') + value + QLatin1String("\r\n");
}

QStringList listSetting(const SettingsStore& settings, const QString& key, const QStringList& fallback)
{
    const QString text = settings.GetSetting(kClientApplication, kAttributesSection, key, QString());
    QStringList list;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (const QString name = part.trimmed(); !name.isEmpty())
            list.append(name);
    return list.isEmpty() ? fallback : list;
}

} // namespace

namespace {

bool isLowerCase(const QString& name)
{
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) { return c.isUpper(); });
}

} // namespace

QStringList Entry::values(const QString& attribute) const
{
    QStringList list;
    // Looked up some twenty times for every entry: a name in lower case already is not copied.
    const auto it = attributes.constFind(isLowerCase(attribute) ? attribute : attribute.toLower());
    if (it == attributes.cend())
        return list;
    for (const QByteArray& v : *it)
        if (QString text = QString::fromUtf8(v).trimmed(); !text.isEmpty())
            list.append(text);
    return list;
}

bool Entry::hasObjectClass(const QString& objectClass) const
{
    const QStringList classes = values(QStringLiteral("objectclass"));
    return std::any_of(classes.cbegin(), classes.cend(),
                       [&](const QString& c) { return c.compare(objectClass, Qt::CaseInsensitive) == 0; });
}

AttributeMap AttributeMap::lowered() const
{
    AttributeMap m = *this;
    for (QStringList* l : {&m.fullName, &m.commonName, &m.surname, &m.givenName, &m.email, &m.mobile, &m.business,
                           &m.home, &m.businessAddress, &m.street, &m.locality, &m.region, &m.postalCode, &m.country,
                           &m.homeAddress, &m.categories, &m.organization, &m.title})
        for (QString& a : *l)
            a = a.toLower();
    return m;
}

QStringList AttributeMap::requested() const
{
    QStringList all{QStringLiteral("objectClass")};
    for (const QStringList* l :
         {&fullName, &commonName, &surname, &givenName, &email, &mobile, &business, &home, &businessAddress, &street,
          &locality, &region, &postalCode, &country, &homeAddress, &categories, &organization, &title})
        for (const QString& a : *l)
            if (!all.contains(a, Qt::CaseInsensitive))
                all.append(a);
    return all;
}

AttributeMap attributeMap(const SettingsStore& settings)
{
    AttributeMap m;
    const std::pair<const char*, QStringList*> keys[] = {
        {"FullName", &m.fullName},
        {"CommonName", &m.commonName},
        {"Surname", &m.surname},
        {"GivenName", &m.givenName},
        {"Email", &m.email},
        {"Mobile", &m.mobile},
        {"Business", &m.business},
        {"Home", &m.home},
        {"BusinessAddress", &m.businessAddress},
        {"Street", &m.street},
        {"Locality", &m.locality},
        {"Region", &m.region},
        {"PostalCode", &m.postalCode},
        {"Country", &m.country},
        {"HomeAddress", &m.homeAddress},
        {"Categories", &m.categories},
        {"Organization", &m.organization},
        {"Title", &m.title},
    };
    for (const auto& [key, list] : keys)
        *list = listSetting(settings, QString::fromLatin1(key), *list);
    return m;
}

QString decodePostalAddress(const QString& value)
{
    static const QRegularExpression escape(QStringLiteral("\\\\(24|5[cC])"));
    QStringList lines;
    for (const QString& part : value.split(QLatin1Char('$'))) {
        QString text;
        qsizetype from = 0;
        // Most lines hold no escape at all.
        for (auto it = part.contains(QLatin1Char('\\')) ? escape.globalMatch(part) : QRegularExpressionMatchIterator();
             it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            text += QStringView(part).mid(from, m.capturedStart() - from);
            text += m.captured(1) == QLatin1String("24") ? QLatin1Char('$') : QLatin1Char('\\');
            from = m.capturedEnd();
        }
        text += QStringView(part).mid(from);
        if (const QString trimmed = text.trimmed(); !trimmed.isEmpty())
            lines.append(trimmed);
    }
    return lines.join(QLatin1Char('\n'));
}

QByteArray toVCard(const Entry& entry, const QString& uid, const AttributeMap& map)
{
    const QString cn = firstValue(entry, map.commonName);
    const QString sn = firstValue(entry, map.surname);
    const QString given = firstValue(entry, map.givenName);
    QString fullName = firstValue(entry, map.fullName);
    if (fullName.isEmpty())
        fullName = cn;
    if (fullName.isEmpty())
        fullName = QString(given + QLatin1Char(' ') + sn).trimmed();
    if (fullName.isEmpty())
        return {};
    QString fileAs = !sn.isEmpty() && !given.isEmpty() ? sn + QLatin1String(", ") + given : cn;
    if (fileAs.isEmpty())
        fileAs = sn.isEmpty() ? fullName : sn;

    const bool group = entry.hasObjectClass(QStringLiteral("groupOfNames")) ||
                       entry.hasObjectClass(QStringLiteral("groupOfUniqueNames"));
    QString card = QStringLiteral("BEGIN:VCARD\r\nVERSION:4.0\r\n");
    line(card, QStringLiteral("UID"), escaped(uid));
    if (group)
        line(card, QStringLiteral("KIND"), QStringLiteral("group"));
    line(card, QStringLiteral("FN"), escaped(fullName));
    line(card, QStringLiteral("N"), escaped(sn) + QLatin1Char(';') + escaped(given) + QLatin1String(";;;"));
    line(card, QStringLiteral("X-EVOLUTION-FILE-AS"), escaped(fileAs));
    for (const QString& mail : firstValues(entry, map.email))
        line(card, QStringLiteral("EMAIL"), escaped(mail));
    for (const QString& number : firstValues(entry, map.mobile))
        line(card, QStringLiteral("TEL;TYPE=cell"), escaped(number));
    for (const QString& number : firstValues(entry, map.business))
        line(card, QStringLiteral("TEL;TYPE=work,voice"), escaped(number));
    for (const QString& number : firstValues(entry, map.home))
        line(card, QStringLiteral("TEL;TYPE=home,voice"), escaped(number));

    // An address written as lines goes in as the address's label, so that it reads as written.
    int group_ = 0;
    auto labelled = [&](const QString& type, const QString& text) {
        const QString prefix = QStringLiteral("item%1.").arg(++group_);
        line(card, prefix + QStringLiteral("ADR;TYPE=") + type, QStringLiteral(";;;;;;"));
        line(card, prefix + QStringLiteral("LABEL;TYPE=") + type, escaped(text, true));
    };
    if (const QString text = decodePostalAddress(firstValue(entry, map.businessAddress)); !text.isEmpty()) {
        labelled(QStringLiteral("work"), text);
    } else {
        const QStringList parts{QStringList(firstValues(entry, map.street)).join(QLatin1Char('\n')),
                                firstValue(entry, map.locality), firstValue(entry, map.region),
                                firstValue(entry, map.postalCode), firstValue(entry, map.country)};
        if (!parts.join(QString()).isEmpty()) {
            QString value = QStringLiteral(";;");
            for (const QString& p : parts)
                value += escaped(decodePostalAddress(p), true) + QLatin1Char(';');
            value.chop(1);
            line(card, QStringLiteral("ADR;TYPE=work"), value);
        }
    }
    if (const QString text = decodePostalAddress(firstValue(entry, map.homeAddress)); !text.isEmpty())
        labelled(QStringLiteral("home"), text);

    QStringList categories;
    for (const QString& c : firstValues(entry, map.categories))
        categories.append(escaped(c));
    if (!categories.isEmpty())
        line(card, QStringLiteral("CATEGORIES"), categories.join(QLatin1Char(',')));
    if (const QString org = firstValue(entry, map.organization); !org.isEmpty())
        line(card, QStringLiteral("ORG"), escaped(org));
    if (const QString title = firstValue(entry, map.title); !title.isEmpty())
        line(card, QStringLiteral("TITLE"), escaped(title));
    card += QLatin1String("END:VCARD\r\n");
    return card.toUtf8();
}

} // namespace contactclient::ldap
