#include "flatodt.h"

#include <QStringList>

namespace wordprocessor {
namespace {

// A character XML 1.0 cannot carry is left out.
bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

QString paragraph(const QString& line)
{
    QString out;
    qsizetype spaces = 0;
    auto flushSpaces = [&](bool atStart) {
        if (spaces == 0)
            return;
        // A single space between words stays as it is; every other run is counted out.
        if (spaces == 1 && !atStart)
            out += QLatin1Char(' ');
        else
            out += QStringLiteral("<text:s text:c=\"%1\"/>").arg(spaces);
        spaces = 0;
    };
    for (const char32_t c : line.toUcs4()) {
        if (c == U' ') {
            ++spaces;
            continue;
        }
        flushSpaces(out.isEmpty());
        if (!isXmlChar(c))
            continue;
        switch (c) {
        case U'&':
            out += QStringLiteral("&amp;");
            break;
        case U'<':
            out += QStringLiteral("&lt;");
            break;
        case U'>':
            out += QStringLiteral("&gt;");
            break;
        case U'"':
            out += QStringLiteral("&quot;");
            break;
        case U'\t':
            out += QStringLiteral("<text:tab/>");
            break;
        default:
            out += QString::fromUcs4(&c, 1);
        }
    }
    // Trailing spaces would be dropped by the reader unless counted.
    if (spaces > 0)
        out += QStringLiteral("<text:s text:c=\"%1\"/>").arg(spaces);
    return QStringLiteral("   <text:p>") + out + QStringLiteral("</text:p>\n");
}

} // namespace

QByteArray flatOdt(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString body;
    for (const QString& line : lines.split(QLatin1Char('\n')))
        body += paragraph(line);
    const QString doc =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\"\n"
                       " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"\n"
                       " office:version=\"1.2\" office:mimetype=\"application/vnd.oasis.opendocument.text\">\n"
                       " <office:body>\n"
                       "  <office:text>\n"
                       "%1"
                       "  </office:text>\n"
                       " </office:body>\n"
                       "</office:document>\n");
    return doc.arg(body).toUtf8();
}

} // namespace wordprocessor
