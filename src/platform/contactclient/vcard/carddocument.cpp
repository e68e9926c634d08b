// Longer than 400 lines on purpose: a card is changed line by line so that every line it does not
// change keeps its bytes. Reading the lines, matching them to the form's values and writing only the
// changed ones back are one pass over the same line records, checked together by the round-trip tests.

#include "carddocument.h"

#include "contactclient/vcard/contactmapping.h"
#include "contactclient/vcard/vcardtext.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <climits>

namespace vcard {
namespace {

using contactclient::ContactForm;
using contactclient::FormAddress;
using contactclient::FormEntry;

// Group, name and parameters of a raw logical line: everything before the colon that is not inside
// a quoted parameter value, with the folds taken out.
QByteArray headerOf(QByteArrayView raw)
{
    QByteArray out;
    bool quoted = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '\r' || c == '\n') {
            // A fold: the line break and one blank go.
            if (c == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')
                ++i;
            if (i + 1 < raw.size() && (raw[i + 1] == ' ' || raw[i + 1] == '\t'))
                ++i;
            continue;
        }
        if (c == '"')
            quoted = !quoted;
        else if (c == ':' && !quoted)
            return out;
        out.append(c);
    }
    return out;
}

QList<QByteArray> splitOutsideQuotes(QByteArrayView text, char separator)
{
    QList<QByteArray> parts;
    QByteArray current;
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        if (c == separator && !quoted) {
            parts.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    parts.append(current);
    return parts;
}

bool isEncodingWord(const QByteArray& upper)
{
    return upper == "QUOTED-PRINTABLE" || upper == "BASE64" || upper == "B" || upper == "8BIT" || upper == "7BIT";
}

// How a rewritten line's parameters change. CHARSET and ENCODING always go: the value is written
// anew in UTF-8.
struct HeaderChange {
    bool dropTypes = false; // TYPE, PREF and the bare types of vCard 2.1
    bool dropPref = false;  // only the preference
    bool dropValue = false; // VALUE=uri: the value is written as text
    bool dropLabel = false; // an address's LABEL: it would show the old address
    QList<QByteArray> add;
};

QByteArray rewriteHeader(QByteArrayView header, const HeaderChange& change)
{
    const QList<QByteArray> tokens = splitOutsideQuotes(header, ';');
    QByteArray out = tokens.value(0);
    for (qsizetype i = 1; i < tokens.size(); ++i) {
        const QByteArray& t = tokens[i];
        const qsizetype eq = t.indexOf('=');
        if (eq < 0) {
            const QByteArray bare = t.trimmed().toUpper();
            if (isEncodingWord(bare) || change.dropTypes || (change.dropPref && bare == "PREF"))
                continue;
            out += ';' + t;
            continue;
        }
        const QByteArray key = t.left(eq).trimmed().toUpper();
        if (key == "CHARSET" || key == "ENCODING" || (key == "VALUE" && change.dropValue) ||
            (key == "LABEL" && change.dropLabel) || (key == "PREF" && (change.dropTypes || change.dropPref)))
            continue;
        if (key == "TYPE" && change.dropTypes)
            continue;
        if (key == "TYPE" && change.dropPref) {
            QByteArray values = t.mid(eq + 1);
            const bool quoted = values.startsWith('"') && values.endsWith('"') && values.size() >= 2;
            if (quoted)
                values = values.mid(1, values.size() - 2);
            QList<QByteArray> kept;
            for (const QByteArray& v : values.split(','))
                if (v.trimmed().toLower() != "pref")
                    kept.append(v);
            if (kept.isEmpty())
                continue;
            const QByteArray joined = kept.join(',');
            out += ';' + t.left(eq + 1) + (quoted ? '"' + joined + '"' : joined);
            continue;
        }
        out += ';' + t;
    }
    for (const QByteArray& a : change.add)
        out += ';' + a;
    return out;
}

QList<QByteArray> typeParams(const QList<QByteArray>& types, bool pref, Version version)
{
    QList<QByteArray> out;
    switch (version) {
    case Version::V40:
        if (!types.isEmpty())
            out.append("TYPE=" + types.join(','));
        if (pref)
            out.append("PREF=1");
        break;
    case Version::V30: {
        QList<QByteArray> all = types;
        if (pref)
            all.append("pref");
        if (!all.isEmpty())
            out.append("TYPE=" + all.join(',').toUpper());
        break;
    }
    case Version::V21:
        for (const QByteArray& t : types)
            out.append(t.toUpper());
        if (pref)
            out.append("PREF");
        break;
    }
    return out;
}

QString text(const Property& p)
{
    return decodeText(p.value, p.params.charset);
}

// Splits at separators that are not escaped, keeping the escapes.
QStringList splitRaw(const QString& value, QChar separator)
{
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            current += c;
            current += value[++i];
        } else if (c == separator) {
            parts.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    parts.append(current);
    return parts;
}

QString normalizeLines(QString t)
{
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.trimmed();
}

QString emailKind(const Params& p)
{
    if (p.hasType("home"))
        return QStringLiteral("home");
    if (p.hasType("work"))
        return QStringLiteral("work");
    return QStringLiteral("other");
}

QString phoneKind(const Params& p)
{
    if (p.hasType("fax"))
        return QStringLiteral("fax");
    if (p.hasType("pager"))
        return QStringLiteral("pager");
    if (p.hasType("cell") || p.hasType("mobile"))
        return QStringLiteral("mobile");
    if (p.hasType("work"))
        return QStringLiteral("work");
    if (p.hasType("home"))
        return QStringLiteral("home");
    return QStringLiteral("other");
}

QList<QByteArray> kindTypes(QByteArrayView name, const QString& kind)
{
    if (name == "TEL") {
        if (kind == QLatin1String("mobile"))
            return {"cell"};
        if (kind == QLatin1String("other"))
            return {"voice"};
        if (contactclient::phoneKinds().contains(kind))
            return {kind.toLatin1()};
        return {"voice"};
    }
    if (kind == QLatin1String("home") || kind == QLatin1String("work"))
        return {kind.toLatin1()};
    return {};
}

ContactForm normalized(ContactForm f)
{
    for (QString* s : {&f.prefix, &f.given, &f.middle, &f.family, &f.suffix, &f.fullName, &f.fileAs, &f.organization,
                       &f.title, &f.nickname, &f.birthday})
        *s = s->trimmed();
    f.note = normalizeLines(f.note);
    for (QList<FormEntry>* list : {&f.emails, &f.phones, &f.urls}) {
        QList<FormEntry> kept;
        for (FormEntry e : *list) {
            e.value = e.value.trimmed();
            if (!e.value.isEmpty())
                kept.append(e);
        }
        *list = kept;
    }
    QList<FormAddress> addresses;
    for (FormAddress a : f.addresses) {
        for (QString* s : {&a.street, &a.city, &a.region, &a.postalCode, &a.country})
            *s = normalizeLines(*s);
        if (!QString(a.street + a.city + a.region + a.postalCode + a.country).isEmpty())
            addresses.append(a);
    }
    f.addresses = addresses;
    QStringList categories;
    for (const QString& c : f.categories)
        if (!c.trimmed().isEmpty() && !categories.contains(c.trimmed()))
            categories.append(c.trimmed());
    f.categories = categories;
    return f;
}

} // namespace

CardDocument::CardDocument(QByteArray bytes) : m_data(std::move(bytes))
{
    m_eol = m_data.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    LineReader reader(m_data);
    Line line;
    bool begun = false;
    bool ended = false;
    int nested = 0;
    bool agentOpen = false;
    while (reader.next(line)) {
        CardLine cl;
        cl.start = line.start;
        cl.end = reader.position();
        cl.header = headerOf(QByteArrayView(m_data).sliced(line.start, line.end - line.start));
        const bool begin = line.is("BEGIN") && reader.valueIs(line, "VCARD");
        const bool end = line.is("END") && reader.valueIs(line, "VCARD");
        if (ended) {
            m_error = QStringLiteral("more than one card");
            return;
        }
        if (!begun) {
            if (!begin) {
                m_error = QStringLiteral("no BEGIN:VCARD");
                return;
            }
            begun = true;
        } else if (begin) {
            if (!agentOpen) {
                m_error = QStringLiteral("card not terminated (no END:VCARD)");
                return;
            }
            ++nested;
            cl.top = false;
        } else if (end && nested > 0) {
            --nested;
            cl.top = false;
        } else if (end) {
            ended = true;
        } else {
            cl.top = nested == 0;
            agentOpen = line.is("AGENT") && reader.valueIs(line, "");
            if (cl.top && !line.name.isEmpty())
                cl.property = reader.property(line);
        }
        m_lines.append(cl);
    }
    if (!ended) {
        m_error = QStringLiteral("card not terminated (no END:VCARD)");
        return;
    }
    for (const CardLine& l : m_lines)
        if (l.top && l.property.name == "VERSION") {
            m_version = versionFromText(l.property.value);
            break;
        }
}

QString CardDocument::uid() const
{
    for (const CardLine& l : m_lines)
        if (l.top && l.property.name == "UID")
            return propertyText(l.property);
    return {};
}

// What the form reads and the rewrite changes, found the same way by both.
class CardDocument::Editor {
public:
    explicit Editor(const CardDocument& doc) : d(doc) {}

    // The first line of the name; with nonEmpty the first whose text is not empty, else the first.
    int first(QByteArrayView name, bool nonEmpty = false) const
    {
        int any = -1;
        for (int i = 0; i < d.m_lines.size(); ++i) {
            const CardLine& l = d.m_lines[i];
            if (!l.top || l.property.name != name)
                continue;
            if (!nonEmpty || !propertyText(l.property).isEmpty())
                return i;
            if (any < 0)
                any = i;
        }
        return any;
    }
    QList<int> all(QByteArrayView name) const
    {
        QList<int> out;
        for (int i = 0; i < d.m_lines.size(); ++i)
            if (d.m_lines[i].top && d.m_lines[i].property.name == name)
                out.append(i);
        return out;
    }
    const Property& prop(int i) const { return d.m_lines[i].property; }

    // The LABEL lines that belong to each ADR line, as the contact mapping pairs them.
    QHash<int, int> labels() const
    {
        QList<int> free = all("LABEL");
        auto kindOf = [](const Params& p) { return p.hasType("home") ? 0 : p.hasType("work") ? 1 : 2; };
        QHash<int, int> out;
        for (int adr : all("ADR")) {
            const Property& a = prop(adr);
            for (int pass = 0; pass < 2 && !out.contains(adr); ++pass) {
                for (qsizetype k = 0; k < free.size(); ++k) {
                    const Property& l = prop(free[k]);
                    const bool match = pass == 0 ? (!a.group.isEmpty() && l.group == a.group)
                                                 : (l.group.isEmpty() && kindOf(l.params) == kindOf(a.params));
                    if (match) {
                        out.insert(adr, free[k]);
                        free.removeAt(k);
                        break;
                    }
                }
            }
        }
        return out;
    }

    QByteArray line(QByteArrayView header, const QByteArray& value) const
    {
        return composeLine(header, value, d.m_version, d.m_eol);
    }
    QByteArray esc(const QString& t, Separators s) const
    {
        if (d.m_version == Version::V21 && s == Separators::Both)
            s = Separators::Semicolon;
        return escapeValue(t, s, d.m_version);
    }

    void replace(int i, QByteArray bytes) { m_replaced.insert(i, std::move(bytes)); }
    void remove(int i) { m_removed.insert(i); }
    void insertAfterLast(QByteArrayView name, const QByteArray& bytes)
    {
        const QList<int> lines = all(name);
        int at = -1;
        for (int i : lines)
            if (!m_removed.contains(i))
                at = i;
        if (at < 0 && !lines.isEmpty())
            at = lines.back();
        if (at >= 0 && !softBreakAtEnd(at))
            m_after[at] += bytes;
        else if (at >= 0)
            m_after[frontLine()] += bytes;
        else
            insertBeforeEnd(bytes);
    }
    void insertBeforeEnd(const QByteArray& bytes)
    {
        const int last = int(d.m_lines.size()) - 2; // the line before END
        if (last >= 0 && softBreakAtEnd(last))
            m_after[frontLine()] += bytes;
        else
            m_beforeEnd += bytes;
    }
    // A quoted-printable line whose last physical line ends in "=" takes the next line as its own
    // (as readers join them): nothing new may follow it.
    bool softBreakAtEnd(int i) const
    {
        const CardLine& l = d.m_lines[i];
        if (!l.property.params.quotedPrintable() && !l.header.toUpper().contains("QUOTED-PRINTABLE"))
            return false;
        QByteArrayView raw = QByteArrayView(d.m_data).sliced(l.start, l.end - l.start);
        while (!raw.isEmpty() && (raw.back() == '\n' || raw.back() == '\r'))
            raw.chop(1);
        return raw.endsWith('=');
    }
    // Where lines go that may not go elsewhere: after VERSION, else after BEGIN.
    int frontLine() const
    {
        for (int i = 0; i < d.m_lines.size(); ++i)
            if (d.m_lines[i].top && d.m_lines[i].property.name == "VERSION")
                return i;
        return 0;
    }
    bool changed() const
    {
        return !m_replaced.isEmpty() || !m_removed.isEmpty() || !m_after.isEmpty() || !m_beforeEnd.isEmpty();
    }

    // A single-valued property: the line the form read is rewritten, or all lines of the name
    // when the form joined them.
    void single(QByteArrayView name, const QString& before, const QString& after, const QByteArray& value, bool joined)
    {
        if (before == after)
            return;
        const int target = first(name, !joined);
        if (after.isEmpty()) {
            if (joined)
                for (int i : all(name))
                    remove(i);
            else if (target >= 0)
                remove(target);
            return;
        }
        if (target >= 0) {
            replace(target, line(rewriteHeader(d.m_lines[target].header, {}), value));
            if (joined)
                for (int i : all(name))
                    if (i != target)
                        remove(i);
        } else {
            insertBeforeEnd(line(name, value));
        }
    }

    QByteArray result() const
    {
        QByteArray out;
        out.reserve(d.m_data.size() + 256);
        qsizetype pos = 0;
        for (int i = 0; i < d.m_lines.size(); ++i) {
            const CardLine& l = d.m_lines[i];
            out += QByteArrayView(d.m_data).sliced(pos, l.start - pos); // blank lines kept
            if (i == d.m_lines.size() - 1)
                out += m_beforeEnd;
            if (m_replaced.contains(i))
                out += m_replaced.value(i);
            else if (!m_removed.contains(i))
                out += QByteArrayView(d.m_data).sliced(l.start, l.end - l.start);
            out += m_after.value(i);
            pos = l.end;
        }
        out += QByteArrayView(d.m_data).sliced(pos);
        return out;
    }

private:
    const CardDocument& d;
    QHash<int, QByteArray> m_replaced;
    QSet<int> m_removed;
    QMap<int, QByteArray> m_after;
    QByteArray m_beforeEnd;
};

ContactForm CardDocument::form() const
{
    ContactForm f;
    if (!ok())
        return f;
    Editor e(*this);
    if (const int n = e.first("N"); n >= 0) {
        const QStringList parts = splitUnescaped(text(e.prop(n)), QLatin1Char(';'));
        f.family = parts.value(0).trimmed();
        f.given = parts.value(1).trimmed();
        f.middle = parts.value(2).trimmed();
        f.prefix = parts.value(3).trimmed();
        f.suffix = parts.value(4).trimmed();
    }
    auto firstText = [&](QByteArrayView name) {
        const int i = e.first(name, true);
        return i >= 0 ? propertyText(e.prop(i)) : QString();
    };
    f.fullName = firstText("FN");
    f.fileAs = firstText("X-EVOLUTION-FILE-AS");
    if (const int org = e.first("ORG"); org >= 0)
        f.organization = splitUnescaped(text(e.prop(org)), QLatin1Char(';'), 1).value(0).trimmed();
    f.title = firstText("TITLE");
    f.birthday = firstText("BDAY");

    QStringList nicknames, notes;
    int preferredRank = INT_MAX;
    int preferred = -1;
    for (int i = 0; i < m_lines.size(); ++i) {
        const CardLine& l = m_lines[i];
        if (!l.top)
            continue;
        const Property& p = l.property;
        if (p.name == "NICKNAME") {
            for (const QString& n : splitUnescaped(text(p), QLatin1Char(',')))
                if (!n.trimmed().isEmpty())
                    nicknames.append(n.trimmed());
        } else if (p.name == "NOTE") {
            if (const QString t = normalizeLines(propertyText(p)); !t.isEmpty())
                notes.append(t);
        } else if (p.name == "CATEGORIES") {
            for (const QString& c : splitUnescaped(text(p), QLatin1Char(',')))
                if (!c.trimmed().isEmpty() && !f.categories.contains(c.trimmed()))
                    f.categories.append(c.trimmed());
        } else if (p.name == "EMAIL") {
            QString v = propertyText(p);
            if (v.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
                v = v.mid(7).trimmed();
            if (v.isEmpty())
                continue;
            if (p.params.pref > 0 && p.params.pref < preferredRank) {
                preferredRank = p.params.pref;
                preferred = int(f.emails.size());
            }
            f.emails.append(FormEntry{emailKind(p.params), v, false, i});
        } else if (p.name == "TEL") {
            QString v = propertyText(p);
            if (v.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
                v = v.mid(4).trimmed();
            if (!v.isEmpty())
                f.phones.append(FormEntry{phoneKind(p.params), v, false, i});
        } else if (p.name == "URL") {
            if (const QString v = propertyText(p); !v.isEmpty())
                f.urls.append(FormEntry{emailKind(p.params), v, false, i});
        } else if (p.name == "ADR") {
            QStringList c = splitUnescaped(text(p), QLatin1Char(';'));
            for (QString& s : c)
                s = normalizeLines(s);
            FormAddress a{emailKind(p.params), c.value(2), c.value(3), c.value(4), c.value(5), c.value(6), i};
            if (!QString(a.street + a.city + a.region + a.postalCode + a.country).isEmpty())
                f.addresses.append(a);
        }
    }
    if (preferred >= 0)
        f.emails[preferred].preferred = true;
    f.nickname = nicknames.join(QStringLiteral(", "));
    f.note = notes.join(QStringLiteral("\n\n"));
    return f;
}

QByteArray CardDocument::apply(const ContactForm& changed, const QDateTime& now) const
{
    if (!ok())
        return m_data;
    const ContactForm before = normalized(form());
    const ContactForm after = normalized(changed);
    if (before == after)
        return m_data;
    Editor e(*this);

    // Name parts.
    const QStringList partsBefore{before.family, before.given, before.middle, before.prefix, before.suffix};
    const QStringList partsAfter{after.family, after.given, after.middle, after.prefix, after.suffix};
    if (partsBefore != partsAfter) {
        QByteArrayList escaped;
        for (const QString& p : partsAfter)
            escaped.append(e.esc(p, Separators::Both));
        const QByteArray value = escaped.join(';');
        if (const int n = e.first("N"); n >= 0)
            e.replace(n, e.line(rewriteHeader(m_lines[n].header, {}), value));
        else
            e.insertBeforeEnd(e.line("N", value));
    }
    // The full name: a card needs one, so an empty one is made from the name or the organisation.
    QString fullName = after.fullName;
    if (fullName.isEmpty())
        fullName = composedFullName(after);
    if (fullName.isEmpty())
        fullName = after.organization;
    if (fullName.isEmpty() && !after.emails.isEmpty())
        fullName = after.emails.front().value;
    if (fullName.isEmpty() && !after.phones.isEmpty())
        fullName = after.phones.front().value;
    e.single("FN", before.fullName, fullName, e.esc(fullName, Separators::None), false);
    e.single("X-EVOLUTION-FILE-AS", before.fileAs, after.fileAs, e.esc(after.fileAs, Separators::None), false);
    if (before.organization != after.organization) {
        const int org = e.first("ORG");
        QString rest; // the units after the organisation, as written
        if (org >= 0) {
            const QStringList raw = splitRaw(text(e.prop(org)), QLatin1Char(';'));
            if (raw.size() > 1)
                rest = QLatin1Char(';') + QStringList(raw.mid(1)).join(QLatin1Char(';'));
        }
        const bool unitsEmpty = QString(rest).remove(QLatin1Char(';')).trimmed().isEmpty();
        const QByteArray value = e.esc(after.organization, Separators::Both) + rest.toUtf8();
        if (after.organization.isEmpty() && unitsEmpty) {
            if (org >= 0)
                e.remove(org);
        } else if (org >= 0) {
            e.replace(org, e.line(rewriteHeader(m_lines[org].header, {}), value));
        } else {
            e.insertBeforeEnd(e.line("ORG", value));
        }
    }
    e.single("TITLE", before.title, after.title, e.esc(after.title, Separators::None), false);
    e.single("BDAY", before.birthday, after.birthday, e.esc(after.birthday, Separators::None), false);
    {
        QByteArrayList nicknames;
        for (const QString& n : after.nickname.split(QLatin1Char(',')))
            if (!n.trimmed().isEmpty())
                nicknames.append(e.esc(n.trimmed(), Separators::Comma));
        e.single("NICKNAME", before.nickname, after.nickname, nicknames.join(','), true);
    }
    e.single("NOTE", before.note, after.note, e.esc(after.note, Separators::None), true);
    {
        QByteArrayList categories;
        for (const QString& c : after.categories)
            categories.append(e.esc(c, Separators::Comma));
        e.single("CATEGORIES", before.categories.join(QLatin1Char(',')), after.categories.join(QLatin1Char(',')),
                 categories.join(','), true);
    }

    // Lists: an entry matched to its line by origin; a line whose entry is gone is removed.
    const QHash<int, int> labels = e.labels();
    auto entries = [&](QByteArrayView name, const QList<FormEntry>& was, const QList<FormEntry>& now,
                       bool valueIsText) {
        QSet<int> origins;
        for (const FormEntry& b : was)
            origins.insert(b.origin);
        auto lineFor = [&](const FormEntry& a, const FormEntry* b) {
            const QByteArray value = valueIsText ? e.esc(a.value, Separators::None) : a.value.toUtf8();
            if (!b) {
                QByteArray header = name.toByteArray();
                for (const QByteArray& t : typeParams(kindTypes(name, a.kind), a.preferred, m_version))
                    header += ';' + t;
                return e.line(header, value);
            }
            HeaderChange change;
            change.dropValue = name != "URL";
            if (a.kind != b->kind) {
                change.dropTypes = true;
                change.add = typeParams(kindTypes(name, a.kind), a.preferred, m_version);
            } else if (a.preferred != b->preferred) {
                change.dropPref = true;
                if (a.preferred)
                    change.add = typeParams({}, true, m_version);
            }
            return e.line(rewriteHeader(m_lines[b->origin].header, change), value);
        };
        for (const FormEntry& b : was) {
            const FormEntry* a = nullptr;
            for (const FormEntry& candidate : now)
                if (candidate.origin == b.origin)
                    a = &candidate;
            if (!a)
                e.remove(b.origin);
            else if (a->kind != b.kind || a->value != b.value || a->preferred != b.preferred)
                e.replace(b.origin, lineFor(*a, &b));
        }
        for (const FormEntry& a : now)
            if (!origins.contains(a.origin))
                e.insertAfterLast(name, lineFor(a, nullptr));
    };
    entries("EMAIL", before.emails, after.emails, true);
    entries("TEL", before.phones, after.phones, true);
    entries("URL", before.urls, after.urls, false);

    QSet<int> addressOrigins;
    for (const FormAddress& b : before.addresses)
        addressOrigins.insert(b.origin);
    auto addressValue = [&](const FormAddress& a, int origin) {
        QStringList kept{QString(), QString()}; // post office box and extended address, as written
        if (origin >= 0) {
            const QStringList raw = splitRaw(text(e.prop(origin)), QLatin1Char(';'));
            kept = {raw.value(0), raw.value(1)};
        }
        QByteArray value = kept[0].toUtf8() + ';' + kept[1].toUtf8();
        for (const QString& part : {a.street, a.city, a.region, a.postalCode, a.country})
            value += ';' + e.esc(part, Separators::Both);
        return value;
    };
    auto dropLabel = [&](int adr) {
        if (labels.contains(adr))
            e.remove(labels.value(adr));
    };
    for (const FormAddress& b : before.addresses) {
        const FormAddress* a = nullptr;
        for (const FormAddress& candidate : after.addresses)
            if (candidate.origin == b.origin)
                a = &candidate;
        if (!a) {
            e.remove(b.origin);
            dropLabel(b.origin);
        } else if (!(*a == b)) {
            HeaderChange change;
            change.dropLabel = true;
            if (a->kind != b.kind) {
                change.dropTypes = true;
                change.add = typeParams(kindTypes("ADR", a->kind), false, m_version);
            }
            e.replace(b.origin, e.line(rewriteHeader(m_lines[b.origin].header, change), addressValue(*a, b.origin)));
            dropLabel(b.origin);
        }
    }
    for (const FormAddress& a : after.addresses) {
        if (addressOrigins.contains(a.origin))
            continue;
        QByteArray header = "ADR";
        for (const QByteArray& t : typeParams(kindTypes("ADR", a.kind), false, m_version))
            header += ';' + t;
        e.insertAfterLast("ADR", e.line(header, addressValue(a, -1)));
    }

    if (!e.changed())
        return m_data;
    const QByteArray rev = now.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    if (const int r = e.first("REV"); r >= 0) {
        HeaderChange change;
        change.dropValue = true;
        e.replace(r, e.line(rewriteHeader(m_lines[r].header, change), rev));
    } else
        e.insertBeforeEnd(e.line("REV", rev));
    return e.result();
}

QByteArray CardDocument::create(const ContactForm& form, Version version, const QString& uid, const QDateTime& now)
{
    QByteArray skeleton = "BEGIN:VCARD\r\nVERSION:" + versionText(version) + "\r\n";
    if (!uid.isEmpty())
        skeleton += "UID:" + escapeValue(uid, Separators::None) + "\r\n";
    if (version != Version::V40)
        skeleton += "N:;;;;\r\n"; // required before 4.0
    skeleton += "END:VCARD\r\n";
    ContactForm fresh = form;
    for (FormEntry& x : fresh.emails)
        x.origin = -1;
    for (FormEntry& x : fresh.phones)
        x.origin = -1;
    for (FormEntry& x : fresh.urls)
        x.origin = -1;
    for (FormAddress& x : fresh.addresses)
        x.origin = -1;
    return CardDocument(skeleton).apply(fresh, now);
}

} // namespace vcard
