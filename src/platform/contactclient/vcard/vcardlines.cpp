// Just over 400 lines: the line reader (folds, quoted-printable soft breaks) and the property and
// parameter parser are the one lowest layer of vCard reading, and the parser's limits are set
// for the reader's output; they stay one unit.

#include "vcardlines.h"

#include "contactclient/vcard/vcardtext.h"

#include <algorithm>
#include <cstring>

namespace vcard {
namespace {

constexpr QByteArrayView kBom("\xEF\xBB\xBF");
constexpr int kMaxParameters = 64;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool startsWithNoCase(QByteArrayView data, qsizetype at, QByteArrayView prefix)
{
    if (data.size() - at < prefix.size())
        return false;
    return data.sliced(at, prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && (isBlank(v.front()) || v.front() == '\r' || v.front() == '\n'))
        v = v.sliced(1);
    while (!v.isEmpty() && (isBlank(v.back()) || v.back() == '\r' || v.back() == '\n'))
        v.chop(1);
    return v;
}

// The name of "group.NAME" and the group before it.
QByteArrayView nameOf(QByteArrayView token, QByteArrayView* group = nullptr)
{
    token = trimmed(token);
    if (token.size() >= kBom.size() && token[0] == kBom[0] && token[1] == kBom[1] && token[2] == kBom[2])
        token = token.sliced(kBom.size());
    qsizetype dot = token.size() - 1;
    while (dot >= 0 && token[dot] != '.')
        --dot;
    if (group)
        *group = dot >= 0 ? token.first(dot) : QByteArrayView();
    return dot >= 0 ? token.sliced(dot + 1) : token;
}

// The upper-case name of a property most cards have, as shared text; empty for any other name.
QByteArray commonName(QByteArrayView name)
{
    static constexpr QByteArrayView kCommon[] = {"FN",
                                                 "N",
                                                 "ORG",
                                                 "CATEGORIES",
                                                 "KIND",
                                                 "X-EVOLUTION-FILE-AS",
                                                 "X-ADDRESSBOOKSERVER-KIND",
                                                 "TEL",
                                                 "EMAIL",
                                                 "ADR",
                                                 "TITLE",
                                                 "VERSION",
                                                 "UID",
                                                 "REV",
                                                 "PHOTO",
                                                 "NOTE",
                                                 "URL",
                                                 "BDAY",
                                                 "NICKNAME"};
    for (QByteArrayView common : kCommon) {
        if (name.size() != common.size())
            continue;
        qsizetype i = 0;
        for (; i < name.size(); ++i) {
            char c = name[i];
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
            if (c != common[i])
                break;
        }
        if (i == name.size())
            return QByteArray::fromRawData(common.data(), common.size());
    }
    return {};
}

// Splits "group.NAME" and upper-cases the name.
void splitName(QByteArrayView token, QByteArray& group, QByteArray& name)
{
    QByteArrayView g;
    const QByteArrayView n = nameOf(token, &g);
    name = commonName(n);
    if (name.isEmpty())
        name = n.toByteArray().toUpper();
    group = g.toByteArray();
}

// RFC 6868 caret escapes in parameter values.
QByteArray decodeCaret(QByteArrayView v)
{
    if (!v.contains('^'))
        return v.toByteArray();
    QByteArray out;
    out.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v[i] == '^' && i + 1 < v.size()) {
            const char n = v[i + 1];
            if (n == 'n' || n == 'N') {
                out.append('\n');
                ++i;
                continue;
            }
            if (n == '^' || n == '\'') {
                out.append(n == '^' ? '^' : '"');
                ++i;
                continue;
            }
        }
        out.append(v[i]);
    }
    return out;
}

bool isEncodingWord(const QByteArray& upper)
{
    return upper == "QUOTED-PRINTABLE" || upper == "BASE64" || upper == "B" || upper == "8BIT" || upper == "7BIT";
}

// A property's types, each once and at most kMaxTypes of them: no real card has more, and a
// property with thousands of TYPE values costs no more than one with a few.
constexpr qsizetype kMaxTypes = 32;

void addType(Params& params, const QByteArray& type)
{
    if (params.types.size() < kMaxTypes && !params.types.contains(type))
        params.types.append(type);
}

void addParam(Params& params, const QByteArray& name, const QList<QByteArray>& values, bool bare)
{
    if (bare) {
        const QByteArray upper = name.toUpper();
        if (isEncodingWord(upper))
            params.encoding = upper;
        else if (upper == "PREF")
            params.pref = params.pref ? params.pref : 1;
        else if (!upper.isEmpty())
            addType(params, name.toLower());
        return;
    }
    const QByteArray key = name.toUpper();
    if (key == "TYPE") {
        for (const QByteArray& value : values) {
            for (const QByteArray& v : value.split(',')) { // a quoted value may hold a list too
                const QByteArray t = v.trimmed().toLower();
                if (t == "pref")
                    params.pref = params.pref ? params.pref : 1;
                else if (!t.isEmpty())
                    addType(params, t);
            }
        }
    } else if (key == "PREF") {
        bool ok = false;
        const int p = values.value(0).trimmed().toInt(&ok);
        if (ok && p > 0)
            params.pref = p;
    } else if (!values.isEmpty()) {
        const QByteArray& v = values.front();
        if (key == "ENCODING")
            params.encoding = v.trimmed().toUpper();
        else if (key == "CHARSET")
            params.charset = v.trimmed();
        else if (key == "VALUE")
            params.valueType = v.trimmed().toLower();
        else if (key == "LABEL")
            params.label = v;
        else if (key == "MEDIATYPE")
            params.mediaType = v.trimmed();
    }
}

} // namespace

bool Params::hasType(QByteArrayView type) const
{
    for (const QByteArray& t : types)
        if (t == type)
            return true;
    return false;
}

bool parseProperty(QByteArrayView line, Property& out)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n && line[i] != ';' && line[i] != ':')
        ++i;
    if (i >= n)
        return false;
    splitName(line.first(i), out.group, out.name);
    if (out.name.isEmpty())
        return false;
    out.params = Params();
    // Parameters: ;NAME=value,"quoted value";BARE. Past the first few dozen they are only skipped.
    int count = 0;
    while (i < n && line[i] == ';') {
        ++i;
        const bool keep = ++count <= kMaxParameters;
        const qsizetype nameStart = i;
        while (i < n && line[i] != '=' && line[i] != ';' && line[i] != ':')
            ++i;
        if (i >= n)
            return false;
        const QByteArray paramName = keep ? trimmed(line.sliced(nameStart, i - nameStart)).toByteArray() : QByteArray();
        QList<QByteArray> values;
        const bool bare = line[i] != '=';
        if (!bare) {
            ++i;
            for (;;) {
                if (i < n && line[i] == '"') {
                    const qsizetype close = line.indexOf('"', i + 1);
                    if (close < 0)
                        return false;
                    if (keep)
                        values.append(decodeCaret(line.sliced(i + 1, close - i - 1)));
                    i = close + 1;
                    while (i < n && line[i] != ',' && line[i] != ';' && line[i] != ':')
                        ++i; // stray text after a closing quote
                } else {
                    const qsizetype vs = i;
                    while (i < n && line[i] != ',' && line[i] != ';' && line[i] != ':')
                        ++i;
                    if (keep)
                        values.append(decodeCaret(line.sliced(vs, i - vs)));
                }
                if (i < n && line[i] == ',') {
                    ++i;
                    continue;
                }
                break;
            }
            if (i >= n)
                return false;
        }
        if (keep)
            addParam(out.params, paramName, values, bare);
    }
    if (i >= n || line[i] != ':')
        return false;
    QByteArrayView value = line.sliced(i + 1);
    if (out.params.quotedPrintable())
        out.value = decodeQuotedPrintable(value);
    else
        out.value = value.toByteArray();
    return true;
}

LineReader::LineReader(QByteArrayView data) : m_data(data)
{
    if (m_data.startsWith(kBom))
        m_pos = kBom.size();
}

qsizetype LineReader::lineEnd(qsizetype from) const
{
    const void* hit = std::memchr(m_data.data() + from, '\n', static_cast<size_t>(m_data.size() - from));
    qsizetype end = hit ? static_cast<const char*>(hit) - m_data.data() : m_data.size();
    if (end > from && m_data[end - 1] == '\r')
        --end;
    return end;
}

// Where the physical line after the one ending at `end` starts.
qsizetype LineReader::nextLine(qsizetype end) const
{
    if (end < m_data.size() && m_data[end] == '\r')
        ++end;
    if (end < m_data.size() && m_data[end] == '\n')
        ++end;
    return end;
}

// Whether the logical line being gathered is quoted-printable and its physical line ending at
// `end` ends in a soft line break. The header is looked at once, however many lines follow.
bool LineReader::endsQuotedPrintable(QpScan& scan, qsizetype start, qsizetype end) const
{
    if (end <= start || m_data[end - 1] != '=')
        return false;
    if (scan.state == QpScan::Unknown) {
        const qsizetype from = std::max(scan.searched, start);
        const qsizetype hit = m_data.sliced(from, end - from).indexOf(':');
        scan.searched = end;
        if (hit < 0)
            return false;
        const QByteArrayView header = m_data.sliced(start, from + hit - start);
        scan.state = QpScan::No;
        for (qsizetype i = 0; i + 16 <= header.size(); ++i) {
            if (startsWithNoCase(header, i, "QUOTED-PRINTABLE")) {
                scan.state = QpScan::Yes;
                break;
            }
        }
    }
    return scan.state == QpScan::Yes;
}

bool LineReader::next(Line& line)
{
    const qsizetype n = m_data.size();
    while (m_pos < n) {
        const qsizetype start = m_pos;
        qsizetype end = lineEnd(start);
        qsizetype after = nextLine(end);
        const qsizetype firstEnd = end;
        QpScan scan;
        scan.searched = start;
        // Folded lines start with a blank; quoted-printable lines ending in "=" continue on the
        // next line whatever it starts with (but never swallow the card's end).
        for (;;) {
            if (after < n && isBlank(m_data[after])) {
                end = lineEnd(after);
                after = nextLine(end);
            } else if (after < n && endsQuotedPrintable(scan, start, end) &&
                       !startsWithNoCase(m_data, after, "END:VCARD")) {
                end = lineEnd(after);
                after = nextLine(end);
            } else {
                break;
            }
        }
        m_pos = after;
        if (trimmed(m_data.sliced(start, end - start)).isEmpty())
            continue;
        line.start = start;
        line.end = end;
        qsizetype delim = start;
        while (delim < firstEnd && m_data[delim] != ';' && m_data[delim] != ':')
            ++delim;
        line.name = QByteArrayView();
        if (delim < firstEnd) {
            line.name = nameOf(m_data.sliced(start, delim - start));
        } else if (end > firstEnd) {
            // The name itself is folded: rare, so unfold the whole line.
            const QByteArray unfolded = unfold(start, end, false);
            const qsizetype d = unfolded.indexOf(':');
            const qsizetype s = unfolded.indexOf(';');
            const qsizetype cut = (s >= 0 && (d < 0 || s < d)) ? s : d;
            if (cut >= 0) {
                line.nameBuffer = nameOf(QByteArrayView(unfolded).first(cut)).toByteArray();
                line.name = line.nameBuffer;
            }
        }
        // No colon: not a property (for example a 2.1 base64 continuation line).
        return true;
    }
    return false;
}

QByteArray LineReader::unfold(qsizetype start, qsizetype end, bool quotedPrintable) const
{
    QByteArray out;
    out.reserve(end - start);
    qsizetype i = start;
    while (i < end) {
        const void* hit = std::memchr(m_data.data() + i, '\n', static_cast<size_t>(end - i));
        qsizetype nl = hit ? static_cast<const char*>(hit) - m_data.data() : end;
        qsizetype stop = nl;
        if (stop > i && m_data[stop - 1] == '\r')
            --stop;
        out.append(m_data.sliced(i, stop - i));
        if (nl >= end)
            break;
        i = nl + 1;
        const bool softBreak = quotedPrintable && stop > start && m_data[stop - 1] == '=';
        if (softBreak)
            out.append("\r\n"); // the quoted-printable decoder removes "=" CRLF; the next line is data
        else if (i < end && isBlank(m_data[i]))
            ++i; // a fold: line break and one blank go
    }
    return out;
}

Property LineReader::property(const Line& line) const
{
    Property p;
    const QByteArrayView raw = m_data.sliced(line.start, line.end - line.start);
    if (!raw.contains('\n')) {
        if (!parseProperty(raw, p))
            return Property();
        return p;
    }
    if (!parseProperty(unfold(line.start, line.end, false), p))
        return Property();
    // Quoted-printable: unfold again keeping the soft line breaks for the decoder.
    if (p.params.quotedPrintable() && !parseProperty(unfold(line.start, line.end, true), p))
        return Property();
    return p;
}

bool LineReader::valueIs(const Line& line, QByteArrayView text) const
{
    const QByteArrayView v = m_data.sliced(line.start, line.end - line.start);
    const qsizetype colon = v.indexOf(':');
    if (colon < 0)
        return false;
    return trimmed(v.sliced(colon + 1)).compare(text, Qt::CaseInsensitive) == 0;
}

} // namespace vcard
