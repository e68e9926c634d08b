// A little over 400 lines: the quick look must give exactly what the full reader and the summary
// give, so the properties it wants, how their values are decoded and the summary it builds stand
// in one file, to be read against each other.
#include "summaryscan.h"

#include "contactclient/vcard/vcardtext.h"

#include <QSet>
#include <QVarLengthArray>

#include <cstring>

namespace vcard {
namespace {

// The lines are cut as the full reader cuts them (LineReader): a line ends at LF, a CR before it
// dropped; a line starting with a blank continues the one before.

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView v)
{
    auto space = [](char c) { return isBlank(c) || c == '\r' || c == '\n'; };
    while (!v.isEmpty() && space(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && space(v.back()))
        v.chop(1);
    return v;
}

bool equalsUpper(QByteArrayView name, QByteArrayView upper)
{
    if (name.size() != upper.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if ((c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c) != upper[i])
            return false;
    }
    return true;
}

// Whether the text holds the upper-case word in any letter case; looked for in every line's
// name and parameters, so the first letter picks the places worth comparing.
bool containsNoCase(QByteArrayView text, QByteArrayView upper)
{
    const char first = upper.front();
    for (qsizetype i = 0; i + upper.size() <= text.size(); ++i)
        if ((text[i] & ~0x20) == first && equalsUpper(text.sliced(i, upper.size()), upper))
            return true;
    return false;
}

constexpr QByteArrayView kBom("\xEF\xBB\xBF");

// The name of "group.NAME", blanks and a byte-order mark around it left out.
QByteArrayView nameOf(QByteArrayView token)
{
    token = trimmed(token);
    if (token.startsWith(kBom))
        token = token.sliced(kBom.size());
    qsizetype dot = token.size() - 1;
    while (dot >= 0 && token[dot] != '.')
        --dot;
    return token.sliced(dot + 1);
}

// The properties the lists need, in the order summarize asks for them.
// Field: a property only the fields a contact is found by need (searchFieldsOf).
enum class Wanted { None, Kind, AddressBookKind, FullName, Name, FileAs, Org, Categories, Field };

Wanted wantedOf(QByteArrayView name)
{
    switch (name.size()) {
    case 1:
        return equalsUpper(name, "N") ? Wanted::Name : Wanted::None;
    case 2:
        return equalsUpper(name, "FN") ? Wanted::FullName : Wanted::None;
    case 3:
        return equalsUpper(name, "ORG")                               ? Wanted::Org
               : equalsUpper(name, "TEL") || equalsUpper(name, "ADR") ? Wanted::Field
                                                                      : Wanted::None;
    case 4:
        return equalsUpper(name, "KIND") ? Wanted::Kind : Wanted::None;
    case 5:
        return equalsUpper(name, "EMAIL") || equalsUpper(name, "TITLE") ? Wanted::Field : Wanted::None;
    case 8:
        return equalsUpper(name, "NICKNAME") ? Wanted::Field : Wanted::None;
    case 10:
        return equalsUpper(name, "CATEGORIES") ? Wanted::Categories : Wanted::None;
    case 19:
        return equalsUpper(name, "X-EVOLUTION-FILE-AS") ? Wanted::FileAs : Wanted::None;
    case 24:
        return equalsUpper(name, "X-ADDRESSBOOKSERVER-KIND") ? Wanted::AddressBookKind : Wanted::None;
    default:
        return Wanted::None;
    }
}

// A wanted property's value: a view into the data, or bytes of its own for a folded line or one
// with parameters.
struct Found {
    Wanted what = Wanted::None;
    QByteArrayView view;
    QByteArray own;
    bool owned = false;
    QByteArrayView value() const { return owned ? QByteArrayView(own) : view; }
};

class Scanner {
public:
    explicit Scanner(QByteArrayView data) : m_data(data)
    {
        if (m_data.startsWith(kBom))
            m_pos = kBom.size();
    }

    // The next non-blank logical line; false at the end of the data.
    bool next()
    {
        const qsizetype n = m_data.size();
        while (m_pos < n) {
            m_start = m_pos;
            m_end = lineEnd(m_start);
            m_firstEnd = m_end;
            qsizetype after = nextLine(m_end);
            while (after < n && isBlank(m_data[after])) {
                m_end = lineEnd(after);
                after = nextLine(m_end);
            }
            m_pos = after;
            const char c = m_data[m_start];
            if ((m_end > m_start && !isBlank(c) && c != '\r') || !trimmed(raw()).isEmpty())
                return true;
        }
        return false;
    }

    QByteArrayView raw() const { return m_data.sliced(m_start, m_end - m_start); }
    bool folded() const { return m_end > m_firstEnd; }
    QByteArrayView firstLine() const { return m_data.sliced(m_start, m_firstEnd - m_start); }

    // The line without its folds: a line break and the one blank after it go.
    QByteArray unfolded() const
    {
        QByteArray out;
        out.reserve(m_end - m_start);
        qsizetype i = m_start;
        while (i < m_end) {
            const void* hit = std::memchr(m_data.data() + i, '\n', static_cast<size_t>(m_end - i));
            const qsizetype nl = hit ? static_cast<const char*>(hit) - m_data.data() : m_end;
            qsizetype stop = nl;
            if (stop > i && m_data[stop - 1] == '\r')
                --stop;
            out.append(m_data.sliced(i, stop - i));
            if (nl >= m_end)
                break;
            i = nl + 1;
            if (i < m_end && isBlank(m_data[i]))
                ++i;
        }
        return out;
    }

private:
    qsizetype lineEnd(qsizetype from) const
    {
        const void* hit = std::memchr(m_data.data() + from, '\n', static_cast<size_t>(m_data.size() - from));
        qsizetype end = hit ? static_cast<const char*>(hit) - m_data.data() : m_data.size();
        if (end > from && m_data[end - 1] == '\r')
            --end;
        return end;
    }
    qsizetype nextLine(qsizetype end) const
    {
        if (end < m_data.size() && m_data[end] == '\r')
            ++end;
        if (end < m_data.size() && m_data[end] == '\n')
            ++end;
        return end;
    }

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    qsizetype m_start = 0;
    qsizetype m_firstEnd = 0;
    qsizetype m_end = 0;
};

// Whether the raw line's value (after its first colon), blanks dropped, is the word.
bool valueIs(QByteArrayView raw, QByteArrayView upperWord)
{
    const qsizetype colon = raw.indexOf(':');
    return colon >= 0 && equalsUpper(trimmed(raw.sliced(colon + 1)), upperWord);
}

// decodeText of a value without a character set: valid UTF-8 as UTF-8, else Windows-1252.
QString decoded(QByteArrayView value)
{
    if (!value.startsWith(kBom) && value.isValidUtf8())
        return QString::fromUtf8(value);
    return decodeText(value);
}

// propertyText of a value without a character set.
QString valueText(QByteArrayView value)
{
    if (!value.contains('\\') && !value.contains('\r'))
        return decoded(value).trimmed();
    Property p;
    p.value = value.toByteArray();
    return propertyText(p);
}

// The parts of a list value, each trimmed, as splitUnescaped and a trim give them; at most
// maxParts of them when that is above 0. Most values have no escapes: their parts are views into
// the decoded text, and a part that is the whole text is that text, not a copy.
class ValueParts {
public:
    ValueParts(QByteArrayView value, QChar separator, qsizetype maxParts) : m_text(decoded(value))
    {
        if (m_text.contains(QLatin1Char('\\'))) {
            m_unescaped = splitUnescaped(m_text, separator, maxParts);
            for (const QString& part : std::as_const(m_unescaped))
                m_parts.append(QStringView(part).trimmed());
            return;
        }
        for (const QStringView part : QStringView(m_text).tokenize(separator)) {
            m_parts.append(part.trimmed());
            if (m_parts.size() == maxParts)
                return;
        }
    }
    qsizetype size() const { return m_parts.size(); }
    QStringView at(qsizetype i) const { return i < m_parts.size() ? m_parts[i] : QStringView(); }
    QString string(qsizetype i) const
    {
        const QStringView part = at(i);
        if (part.data() == m_text.constData() && part.size() == m_text.size())
            return m_text;
        return part.toString();
    }

private:
    QString m_text;
    QStringList m_unescaped;
    QVarLengthArray<QStringView, 8> m_parts;
};

ContactSummary summarizeFound(const QVarLengthArray<Found, 12>& found, const Card& fields)
{
    auto firstText = [&](Wanted what) {
        for (const Found& f : found)
            if (f.what == what)
                if (QString t = valueText(f.value()); !t.isEmpty())
                    return t;
        return QString();
    };
    auto first = [&](Wanted what) -> const Found* {
        for (const Found& f : found)
            if (f.what == what)
                return &f;
        return nullptr;
    };

    ContactSummary s;
    s.group = firstText(Wanted::Kind).toLower() == QLatin1String("group") ||
              firstText(Wanted::AddressBookKind).toLower() == QLatin1String("group");
    const QString fn = firstText(Wanted::FullName);

    // Family, given, additional, prefix, suffix; the rest counts only for a card without FN.
    const Found* name = first(Wanted::Name);
    const ValueParts n(name ? name->value() : QByteArrayView(), QLatin1Char(';'), fn.isEmpty() ? 5 : 2);
    if (fn.isEmpty()) {
        for (const int i : {3, 1, 2, 0, 4}) {
            if (n.at(i).isEmpty())
                continue;
            if (!s.fullName.isEmpty())
                s.fullName += QLatin1Char(' ');
            s.fullName += n.at(i);
        }
    } else {
        s.fullName = fn;
    }

    s.fileAs = firstText(Wanted::FileAs);
    if (s.fileAs.isEmpty()) {
        const QStringView family = n.at(0);
        const QStringView given = n.at(1);
        if (family.isEmpty() || given.isEmpty())
            s.fileAs = n.string(family.isEmpty() ? 1 : 0);
        else
            s.fileAs = family % QLatin1String(", ") % given;
    }
    if (s.fileAs.isEmpty())
        s.fileAs = fn;
    if (s.fileAs.isEmpty())
        if (const Found* org = first(Wanted::Org))
            s.fileAs = ValueParts(org->value(), QLatin1Char(';'), 1).string(0);

    // Each category once, in file order; a set only once there are many.
    QSet<QString> seen;
    for (const Found& f : found) {
        if (f.what != Wanted::Categories)
            continue;
        const ValueParts parts(f.value(), QLatin1Char(','), -1);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const QStringView part = parts.at(i);
            if (part.isEmpty())
                continue;
            if (s.categories.size() < 16) {
                if (!s.categories.contains(part))
                    s.categories.append(parts.string(i));
                continue;
            }
            if (seen.isEmpty())
                seen = QSet<QString>(s.categories.cbegin(), s.categories.cend());
            QString t = parts.string(i);
            if (!seen.contains(t)) {
                seen.insert(t);
                s.categories.append(std::move(t));
            }
        }
    }
    s.searchFields = searchFieldsOf(fields, s);
    return s;
}

} // namespace

std::optional<ContactSummary> scanSummary(QByteArrayView data)
{
    Scanner lines(data);
    bool begun = false;
    QVarLengthArray<Found, 12> found;
    Card fields; // the properties the fields a contact is found by are read from, parsed
    int properties = 0;
    while (lines.next()) {
        // The name ends at the first ';' or ':' of the line's first physical line.
        const QByteArrayView first = lines.firstLine();
        qsizetype delimiter = 0;
        while (delimiter < first.size() && first[delimiter] != ';' && first[delimiter] != ':')
            ++delimiter;
        if (!begun) {
            // The card must come first: what the full reader skips before it is not looked into.
            if (delimiter == first.size() || !equalsUpper(nameOf(first.first(delimiter)), "BEGIN") ||
                !valueIs(lines.raw(), "VCARD"))
                return std::nullopt;
            begun = true;
            continue;
        }
        if (delimiter == first.size()) {
            if (lines.folded())
                return std::nullopt; // a name folded over lines
            continue;                // not a property
        }
        const QByteArrayView raw = lines.raw();
        // Quoted-printable lines run on past their line end: left to the full reader.
        const qsizetype colon = first[delimiter] == ':' ? delimiter : raw.indexOf(':');
        const QByteArrayView header = colon >= 0 ? raw.first(colon) : raw;
        if (header.size() >= 16 && containsNoCase(header, "QUOTED-PRINTABLE"))
            return std::nullopt;

        const QByteArrayView name = nameOf(first.first(delimiter));
        if (name.isEmpty())
            continue;
        if (equalsUpper(name, "END") && valueIs(raw, "VCARD"))
            return summarizeFound(found, fields);
        // Another card inside this one, embedded or not, is left to the full reader.
        if (equalsUpper(name, "AGENT") || (equalsUpper(name, "BEGIN") && valueIs(raw, "VCARD")))
            return std::nullopt;
        if (++properties > kMaxPropertiesPerCard)
            return std::nullopt;
        const Wanted what = wantedOf(name);
        if (what == Wanted::None)
            continue;
        if (what == Wanted::Field || what == Wanted::Name || what == Wanted::Org) {
            Property p;
            if (parseProperty(lines.folded() ? QByteArrayView(lines.unfolded()) : raw, p)) {
                if (!p.params.charset.isEmpty() || !p.params.encoding.isEmpty())
                    return std::nullopt;
                fields.properties.append(std::move(p));
            }
            if (what == Wanted::Field)
                continue;
        }

        Found f;
        f.what = what;
        if (first[delimiter] == ':' && !lines.folded()) {
            f.view = raw.sliced(delimiter + 1);
        } else {
            Property p;
            if (!parseProperty(lines.folded() ? QByteArrayView(lines.unfolded()) : raw, p))
                continue; // as the full reader: a property it cannot parse is left out
            if (!p.params.charset.isEmpty() || !p.params.encoding.isEmpty())
                return std::nullopt;
            f.own = std::move(p.value);
            f.owned = true;
        }
        found.append(std::move(f));
    }
    return std::nullopt; // no END:VCARD
}

} // namespace vcard
