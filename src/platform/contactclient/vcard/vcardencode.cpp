#include "vcardencode.h"

namespace vcard {
namespace {

constexpr qsizetype kMaxOctets = 75;

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

Version versionFromText(QByteArrayView value)
{
    const QByteArray v = value.trimmed().toByteArray();
    if (v == "2.1")
        return Version::V21;
    if (v == "4.0")
        return Version::V40;
    return Version::V30;
}

QByteArray versionText(Version version)
{
    switch (version) {
    case Version::V21:
        return "2.1";
    case Version::V40:
        return "4.0";
    case Version::V30:
        break;
    }
    return "3.0";
}

QByteArray escapeValue(const QString& text, Separators separators, Version version)
{
    const QLatin1String lineBreak(version == Version::V21 ? "\r\n" : "\\n");
    const bool semicolon = separators == Separators::Semicolon || separators == Separators::Both;
    const bool comma = separators == Separators::Comma || separators == Separators::Both;
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\r')) {
            out += lineBreak;
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n'))
            out += lineBreak;
        else if ((c == QLatin1Char(';') && semicolon) || (c == QLatin1Char(',') && comma))
            out += QLatin1Char('\\') + c;
        else
            out += c;
    }
    return out.toUtf8();
}

QByteArray encodeQuotedPrintable(QByteArrayView bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x20 && c < 0x7F && c != '=') {
            out.append(ch);
        } else {
            out.append('=');
            out.append(hex[c >> 4]);
            out.append(hex[c & 0x0F]);
        }
    }
    return out;
}

QByteArray foldLine(QByteArrayView line, QByteArrayView eol)
{
    QByteArray out;
    out.reserve(line.size() + line.size() / 70 * (eol.size() + 1) + eol.size());
    qsizetype pos = 0;
    bool first = true;
    while (pos < line.size()) {
        const qsizetype room = first ? kMaxOctets : kMaxOctets - 1;
        qsizetype cut = std::min(line.size(), pos + room);
        // Back off to the start of a UTF-8 sequence.
        while (cut < line.size() && cut > pos && isContinuationByte(line[cut]))
            --cut;
        if (cut == pos) // no sequence start within reach: cannot happen with valid UTF-8
            cut = std::min(line.size(), pos + room);
        if (!first)
            out.append(' ');
        out.append(line.sliced(pos, cut - pos));
        out.append(eol);
        pos = cut;
        first = false;
    }
    if (line.isEmpty())
        out.append(eol);
    return out;
}

QByteArray composeLine(QByteArrayView header, QByteArrayView value, Version version, QByteArrayView eol)
{
    if (version != Version::V21)
        return foldLine(QByteArray(header.toByteArray() + ':' + value.toByteArray()), eol);
    // vCard 2.1: line breaks (left as CRLF by escapeValue) are written quoted-printable.
    const QByteArray raw = value.toByteArray();
    const bool lineBreaks = raw.contains('\n');
    if (!lineBreaks && isAscii(raw))
        return header.toByteArray() + ':' + raw + eol.toByteArray();
    QByteArray h = header.toByteArray();
    if (!isAscii(raw))
        h += ";CHARSET=UTF-8";
    if (!lineBreaks)
        return h + ':' + raw + eol.toByteArray();
    h += ";ENCODING=QUOTED-PRINTABLE";
    const QByteArray encoded = encodeQuotedPrintable(raw);
    // Soft line breaks keep the physical lines short, never inside an "=XX".
    QByteArray out = h + ':';
    qsizetype column = out.size();
    for (qsizetype i = 0; i < encoded.size();) {
        const qsizetype unit = encoded[i] == '=' ? 3 : 1;
        if (column + unit > kMaxOctets - 1) {
            out += '=' + eol.toByteArray();
            column = 0;
        }
        out += encoded.sliced(i, unit);
        column += unit;
        i += unit;
    }
    return out + eol.toByteArray();
}

} // namespace vcard
