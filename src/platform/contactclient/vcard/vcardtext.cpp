#include "vcardtext.h"

#include <QStringDecoder>

namespace vcard {
namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// Windows-1252 differs from ISO-8859-1 only in 0x80..0x9F; the five unassigned bytes map to the
// C1 control of the same value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Valid UTF-8 as UTF-8; anything else as Windows-1252.
QString decodeUtf8OrWindows1252(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return text;
    return decodeWindows1252(bytes);
}

} // namespace

QByteArray decodeQuotedPrintable(QByteArrayView in)
{
    QByteArray out;
    out.reserve(in.size());
    const qsizetype n = in.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = in[i];
        if (c != '=') {
            out.append(c);
            continue;
        }
        // Soft line break: "=" followed by optional blanks and a line end.
        qsizetype j = i + 1;
        while (j < n && (in[j] == ' ' || in[j] == '\t'))
            ++j;
        if (j < n && (in[j] == '\r' || in[j] == '\n')) {
            if (in[j] == '\r' && j + 1 < n && in[j + 1] == '\n')
                ++j;
            i = j;
            continue;
        }
        if (j >= n && j > i + 1) { // "=" and trailing blanks at the very end
            i = j;
            continue;
        }
        const int hi = i + 1 < n ? hexValue(in[i + 1]) : -1;
        const int lo = i + 2 < n ? hexValue(in[i + 2]) : -1;
        if (hi >= 0 && lo >= 0) {
            out.append(static_cast<char>(hi * 16 + lo));
            i += 2;
        } else if (i + 1 < n) {
            out.append(c);
        }
        // A lone "=" at the very end is a soft break without a line end: dropped.
    }
    return out;
}

bool isValidUtf8(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return true;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(char16_t(b));
    }
    return out;
}

QString decodeText(QByteArrayView bytes, QByteArrayView charset)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (charset.isEmpty())
        return decodeUtf8OrWindows1252(bytes);
    const QByteArray cs = charset.toByteArray().trimmed().toLower();
    if (cs == "iso-8859-1" || cs == "latin1" || cs == "iso8859-1" || cs == "iso_8859-1")
        return QString::fromLatin1(bytes);
    if (cs == "windows-1252" || cs == "cp1252")
        return decodeWindows1252(bytes);
    if (cs == "utf-8" || cs == "utf8")
        return decodeUtf8OrWindows1252(bytes);
    // Any other charset the system's converters know (Shift_JIS, EUC-JP, GB18030, Big5, KOI8-R,
    // ISO-8859-x, Windows-125x, ...); one they do not know, or bytes that are not in it, are read
    // as UTF-8 when they are that, else as Windows-1252.
    QStringDecoder decoder(cs.constData(), QStringDecoder::Flag::Stateless);
    if (decoder.isValid()) {
        QString text = decoder.decode(bytes);
        if (!decoder.hasError())
            return text;
    }
    return decodeUtf8OrWindows1252(bytes);
}

QString unescape(const QString& text)
{
    if (!text.contains(QLatin1Char('\\')))
        return text;
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 >= n) {
            out.append(c);
            continue;
        }
        const QChar next = text[i + 1];
        switch (next.unicode()) {
        case 'n':
        case 'N':
            out.append(QLatin1Char('\n'));
            ++i;
            break;
        case ',':
        case ';':
        case ':':
        case '\\':
            out.append(next);
            ++i;
            break;
        default:
            out.append(c);
        }
    }
    return out;
}

QStringList splitUnescaped(const QString& text, QChar separator, qsizetype maxParts)
{
    QStringList parts;
    parts.reserve(maxParts > 0 ? maxParts : text.count(separator) + 1);
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\')) {
            ++i;
        } else if (c == separator) {
            parts.append(unescape(text.mid(start, i - start)));
            start = i + 1;
            if (parts.size() == maxParts)
                return parts;
        }
    }
    parts.append(unescape(text.mid(start)));
    return parts;
}

QByteArray decodeBase64(QByteArrayView in)
{
    QByteArray clean;
    clean.reserve(in.size());
    for (char c : in) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/' ||
            c == '=' || c == '-' || c == '_')
            clean.append(c);
        else if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return {};
    }
    auto result =
        QByteArray::fromBase64Encoding(clean, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!result) {
        result = QByteArray::fromBase64Encoding(clean, QByteArray::Base64UrlEncoding |
                                                           QByteArray::AbortOnBase64DecodingErrors);
        if (!result)
            return {};
    }
    return *result;
}

} // namespace vcard
