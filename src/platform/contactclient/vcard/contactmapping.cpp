// A little over 400 lines: the mapping of every vCard property to the contact item's properties and
// back, one table read both ways, so that a property read is always the one written.

#include "contactmapping.h"

#include "mail/mailbox.h"

#include "contactclient/searchfields.h"

#include "contactclient/vcard/vcardtext.h"

#include <QSet>

#include <algorithm>
#include <climits>

namespace vcard {
namespace {

using contactclient::CardDetails;

QString rawText(const Property& p)
{
    return decodeText(p.value, p.params.charset);
}

// The parts of a structured value, trimmed; with count > 0 only the first count of them.
QStringList components(const Property* p, qsizetype count = -1)
{
    if (!p)
        return {};
    QStringList parts = splitUnescaped(rawText(*p), QLatin1Char(';'), count);
    for (QString& s : parts)
        s = s.trimmed();
    return parts;
}

QString joinNonEmpty(const QStringList& parts, const QString& separator)
{
    QString out;
    for (const QString& s : parts) {
        if (s.isEmpty())
            continue;
        if (!out.isEmpty())
            out += separator;
        out += s;
    }
    return out;
}

QString firstText(const Card& card, QByteArrayView name)
{
    for (const Property& p : card.properties)
        if (p.name == name) {
            const QString t = propertyText(p);
            if (!t.isEmpty())
                return t;
        }
    return {};
}

int prefRank(const Property& p)
{
    return p.params.pref > 0 ? p.params.pref : INT_MAX;
}

// Properties of one name, most preferred first, file order otherwise.
QList<const Property*> byPreference(const Card& card, QByteArrayView name)
{
    QList<const Property*> list;
    for (const Property& p : card.properties)
        if (p.name == name)
            list.append(&p);
    std::stable_sort(list.begin(), list.end(),
                     [](const Property* a, const Property* b) { return prefRank(*a) < prefRank(*b); });
    return list;
}

QString kindText(const Params& params, std::initializer_list<const char*> ignored)
{
    QStringList kinds;
    for (const QByteArray& t : params.types) {
        if (std::any_of(ignored.begin(), ignored.end(), [&](const char* i) { return t == i; }))
            continue;
        const QString k = t == "cell" ? QStringLiteral("mobile") : QString::fromLatin1(t);
        if (!kinds.contains(k))
            kinds.append(k);
    }
    return kinds.join(QLatin1Char(' '));
}

enum class PhoneKind { None, Mobile, Work, Home };

PhoneKind phoneKind(const Params& p)
{
    if (p.hasType("fax") || p.hasType("pager"))
        return PhoneKind::None;
    if (p.hasType("cell") || p.hasType("mobile"))
        return PhoneKind::Mobile;
    if (p.hasType("work"))
        return PhoneKind::Work;
    if (p.hasType("home"))
        return PhoneKind::Home;
    const bool plainVoice =
        std::all_of(p.types.begin(), p.types.end(), [](const QByteArray& t) { return t == "voice"; });
    return plainVoice ? PhoneKind::Home : PhoneKind::None;
}

QString phoneNumber(const Property& p)
{
    QString t = propertyText(p);
    if (t.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        t = t.mid(4).trimmed();
    return t;
}

enum class AddressKind { Home, Work, Other };

bool hasKind(const Params& p, AddressKind kind)
{
    switch (kind) {
    case AddressKind::Home:
        return p.hasType("home");
    case AddressKind::Work:
        return p.hasType("work");
    case AddressKind::Other:
        return p.hasType("other") || (!p.hasType("home") && !p.hasType("work"));
    }
    return false;
}

QString normalizeLines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.trimmed();
}

QString addressLines(const QStringList& c)
{
    auto at = [&](int i) { return c.value(i).trimmed(); };
    const QString cityLine = joinNonEmpty({at(3), at(4), at(5)}, QStringLiteral(" "));
    return normalizeLines(joinNonEmpty({at(0), at(1), at(2), cityLine, at(6)}, QStringLiteral("\n")));
}

struct Address {
    const Property* property = nullptr;
    QString text;
    Params params;
};

// ADR properties with their text: a LABEL (parameter, or LABEL property of the same group or of
// the same kind) when there is one, else the formatted components. A LABEL without an ADR is an
// address of its own.
QList<Address> addresses(const Card& card)
{
    QList<const Property*> labels;
    for (const Property& p : card.properties)
        if (p.name == "LABEL")
            labels.append(&p);
    auto kindOf = [](const Params& p) {
        return p.hasType("home") ? AddressKind::Home : p.hasType("work") ? AddressKind::Work : AddressKind::Other;
    };
    auto takeLabel = [&](const Property& adr) -> QString {
        for (int pass = 0; pass < 2; ++pass) {
            for (qsizetype i = 0; i < labels.size(); ++i) {
                const Property* l = labels[i];
                const bool match = pass == 0 ? (!adr.group.isEmpty() && l->group == adr.group)
                                             : (l->group.isEmpty() && kindOf(l->params) == kindOf(adr.params));
                if (match) {
                    labels.removeAt(i);
                    return normalizeLines(propertyText(*l));
                }
            }
        }
        return {};
    };
    QList<Address> list;
    for (const Property& p : card.properties) {
        if (p.name != "ADR")
            continue;
        Address a{&p, {}, p.params};
        if (!p.params.label.isEmpty())
            a.text = normalizeLines(unescape(decodeText(p.params.label, p.params.charset)));
        const QString label = takeLabel(p);
        if (a.text.isEmpty())
            a.text = label;
        if (a.text.isEmpty())
            a.text = addressLines(components(&p));
        if (!a.text.isEmpty())
            list.append(a);
    }
    for (const Property* l : labels) {
        const QString text = normalizeLines(propertyText(*l));
        if (!text.isEmpty())
            list.append(Address{l, text, l->params});
    }
    return list;
}

QByteArray photoBytes(const Property& p)
{
    QByteArrayView v = QByteArrayView(p.value).trimmed();
    if (v.startsWith("data:")) {
        const qsizetype comma = v.indexOf(',');
        if (comma < 0)
            return {};
        const QByteArrayView meta = v.sliced(5, comma - 5);
        const QByteArrayView payload = v.sliced(comma + 1);
        if (meta.endsWith(";base64"))
            return decodeBase64(payload);
        return QByteArray::fromPercentEncoding(payload.toByteArray());
    }
    if (p.params.encoding == "B" || p.params.encoding == "BASE64")
        return decodeBase64(v);
    return {}; // a URL: not fetched
}

bool isAtext(QChar c)
{
    if (c.unicode() >= 0x80)
        return true;
    if (c.isLetterOrNumber())
        return true;
    return QStringLiteral("!#$%&'*+-/=?^_`{|}~").contains(c);
}

} // namespace

QString propertyText(const Property& p)
{
    QString text = unescape(rawText(p));
    if (text.contains(QLatin1Char('\r')))
        text = normalizeLines(text);
    return text.trimmed();
}

QString mailbox(const QString& displayName, const QString& address)
{
    if (address.isEmpty())
        return {};
    QString name;
    for (QChar c : displayName)
        name.append(c.unicode() < 0x20 || c.unicode() == 0x7F ? QLatin1Char(' ') : c);
    name = name.simplified();
    if (name.isEmpty())
        return address;
    const bool atoms =
        std::all_of(name.begin(), name.end(), [](QChar c) { return c == QLatin1Char(' ') || isAtext(c); });
    if (atoms)
        return name + QStringLiteral(" <") + address + QLatin1Char('>');
    QString quoted;
    for (QChar c : name) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            quoted.append(QLatin1Char('\\'));
        quoted.append(c);
    }
    return QLatin1Char('"') + quoted + QStringLiteral("\" <") + address + QLatin1Char('>');
}

ContactSummary summarize(const Card& card)
{
    ContactSummary s;
    const QString kind = firstText(card, "KIND").toLower();
    s.group = kind == QLatin1String("group") ||
              firstText(card, "X-ADDRESSBOOKSERVER-KIND").toLower() == QLatin1String("group");

    const QString fn = firstText(card, "FN");
    // Family and given name make the file-as text; the rest counts only for a card without FN.
    const QStringList n = components(card.first("N"), fn.isEmpty() ? -1 : 2);
    auto part = [&](int i) { return n.value(i).trimmed(); };
    s.fullName = fn.isEmpty() ? joinNonEmpty({part(3), part(1), part(2), part(0), part(4)}, QStringLiteral(" ")) : fn;

    s.fileAs = firstText(card, "X-EVOLUTION-FILE-AS");
    if (s.fileAs.isEmpty()) {
        const QString family = part(0);
        const QString given = part(1);
        if (family.isEmpty() || given.isEmpty()) {
            s.fileAs = family.isEmpty() ? given : family;
        } else {
            s.fileAs.reserve(family.size() + 2 + given.size());
            s.fileAs.append(family).append(QLatin1String(", ")).append(given);
        }
    }
    if (s.fileAs.isEmpty())
        s.fileAs = fn;
    if (s.fileAs.isEmpty())
        s.fileAs = components(card.first("ORG"), 1).value(0);

    // Categories in file order, each once: a set keeps this linear for a card with very many.
    QSet<QString> seen;
    for (const Property& p : card.properties) {
        if (p.name != "CATEGORIES")
            continue;
        for (const QString& c : splitUnescaped(rawText(p), QLatin1Char(','))) {
            QString t = c.trimmed();
            if (!t.isEmpty() && !seen.contains(t)) {
                seen.insert(t);
                s.categories.append(std::move(t));
            }
        }
    }
    s.searchFields = searchFieldsOf(card, s);
    return s;
}

QString searchFieldsOf(const Card& card, const ContactSummary& summary)
{
    using contactclient::searchfields::Kind;
    contactclient::searchfields::Builder b;
    const QStringList n = components(card.first("N"), 3);
    for (const int i : {1, 2, 0})
        b.add(Kind::Name, n.value(i));
    for (const Property& p : card.properties) {
        if (p.name == "NICKNAME") {
            b.add(Kind::Nickname, propertyText(p));
        } else if (p.name == "ORG") {
            for (const QString& part : components(&p))
                b.add(Kind::Organization, part);
        } else if (p.name == "TITLE") {
            b.add(Kind::Title, propertyText(p));
        } else if (p.name == "EMAIL") {
            QString address = propertyText(p);
            if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
                address = address.mid(7);
            b.add(Kind::Email, address);
        } else if (p.name == "TEL") {
            b.add(Kind::Phone, phoneNumber(p));
        } else if (p.name == "ADR") {
            // Post office box, extended, street, city, region, postal code, country.
            const QStringList parts = components(&p, 6);
            b.add(Kind::Place, parts.value(3));
            b.add(Kind::Place, parts.value(5));
        }
    }
    for (const QString& c : summary.categories)
        b.add(Kind::Category, c);
    return b.text();
}

ContactData mapContact(const Card& card)
{
    ContactData d;
    d.summary = summarize(card);
    CardDetails& det = d.details;
    det.categories = d.summary.categories;
    det.organization = joinNonEmpty(components(card.first("ORG")), QStringLiteral(", "));
    det.title = firstText(card, "TITLE");

    for (const Property* p : byPreference(card, "EMAIL")) {
        QString address = propertyText(*p);
        if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
            address = address.mid(7).trimmed();
        if (address.isEmpty())
            continue;
        // The card shows what it holds, but only an address that is one mailbox is offered for
        // mail: "a@x>; Evil <e@y" would otherwise become two recipients.
        if (mail::isAddrSpec(address))
            d.emails.append(address);
        det.emails.append({kindText(p->params, {"internet", "pref", "x400"}), address});
    }
    d.email1DisplayName = mailbox(d.summary.fullName, d.emails.value(0));

    QStringList work, home;
    for (const Property& p : card.properties) {
        if (p.name != "TEL")
            continue;
        const QString number = phoneNumber(p);
        if (number.isEmpty())
            continue;
        det.phones.append({kindText(p.params, {"voice", "pref"}), number});
        switch (phoneKind(p.params)) {
        case PhoneKind::Mobile:
            if (d.mobile.isEmpty())
                d.mobile = number;
            break;
        case PhoneKind::Work:
            work.append(number);
            break;
        case PhoneKind::Home:
            home.append(number);
            break;
        case PhoneKind::None:
            break;
        }
    }
    d.business = work.value(0);
    d.business2 = work.value(1);
    d.home = home.value(0);
    d.home2 = home.value(1);

    const QList<Address> adrs = addresses(card);
    const Address* preferred = nullptr;
    for (const Address& a : adrs) {
        det.addresses.append({kindText(a.params, {"pref", "postal", "parcel", "dom", "intl"}), a.text});
        if (d.homeAddress.isEmpty() && hasKind(a.params, AddressKind::Home))
            d.homeAddress = a.text;
        if (d.businessAddress.isEmpty() && hasKind(a.params, AddressKind::Work))
            d.businessAddress = a.text;
        if (d.otherAddress.isEmpty() && hasKind(a.params, AddressKind::Other))
            d.otherAddress = a.text;
        if (!preferred || prefRank(*a.property) < prefRank(*preferred->property))
            preferred = &a;
    }
    if (preferred)
        d.mailingAddress = preferred->text;
    if (d.mailingAddress.isEmpty() && !adrs.isEmpty())
        d.mailingAddress = adrs.front().text;

    QStringList notes;
    for (const Property& p : card.properties) {
        if (p.name == "NOTE") {
            const QString t = normalizeLines(propertyText(p));
            if (!t.isEmpty())
                notes.append(t);
        } else if (p.name == "PHOTO" && det.photo.isEmpty()) {
            det.photo = photoBytes(p);
        } else if (p.name == "URL") {
            if (const QString url = propertyText(p); !url.isEmpty())
                det.urls.append({kindText(p.params, {"pref"}), url});
        } else if (p.name == "NICKNAME") {
            for (const QString& n : splitUnescaped(rawText(p), QLatin1Char(',')))
                if (!n.trimmed().isEmpty())
                    det.nickname += (det.nickname.isEmpty() ? QString() : QStringLiteral(", ")) + n.trimmed();
        }
    }
    det.birthday = firstText(card, "BDAY");
    det.note = notes.join(QStringLiteral("\n\n"));
    return d;
}

} // namespace vcard
