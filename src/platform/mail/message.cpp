#include "message.h"

#include "contactclient/errors.h"

#include <QUuid>

namespace mail {
namespace {

constexpr qsizetype kFoldAt = 78;
constexpr qsizetype kQpLine = 76;
constexpr qsizetype kWordBytes = 39; // 52 base64 characters: a word of 64, a Subject line under 78

bool isPlainAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

// RFC 5322 atext plus the space between words: a phrase that needs no quoting.
bool isAtomText(const QString& text)
{
    static const QString specials = QStringLiteral("!#$%&'*+-/=?^_`{|}~ ");
    for (const QChar c : text) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && !specials.contains(c))
            return false;
    }
    return !text.trimmed().isEmpty() && text == text.trimmed();
}

QByteArray phrase(const QString& name)
{
    if (!isPlainAscii(name))
        return encodedWords(name);
    if (isAtomText(name))
        return name.toLatin1();
    QByteArray quoted = "\"";
    for (const QChar c : name) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            quoted += '\\';
        quoted += char(c.unicode());
    }
    return quoted + '"';
}

// An unstructured header (Subject): plain ASCII folded at spaces, anything else encoded words.
QByteArray unstructuredHeader(const QByteArray& name, const QString& value)
{
    const QByteArray head = name + ": ";
    const QStringList words = value.split(QLatin1Char(' '));
    bool foldable = isPlainAscii(value);
    for (const QString& w : words)
        foldable = foldable && w.size() < 900;
    if (!foldable)
        return head + encodedWords(value);
    QByteArray out = head;
    qsizetype lineLength = out.size();
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QByteArray w = words.at(i).toLatin1();
        if (i > 0) {
            if (lineLength + 1 + w.size() > kFoldAt && !words.at(i - 1).isEmpty() && !w.isEmpty()) {
                out += "\r\n";
                lineLength = 0;
            }
            out += ' ';
            ++lineLength;
        }
        out += w;
        lineLength += w.size();
    }
    return out;
}

QString normalisedLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QByteArray qpLine(const QByteArray& line)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    qsizetype column = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto b = static_cast<unsigned char>(line.at(i));
        const bool last = i == line.size() - 1;
        const bool literal =
            (b >= 33 && b <= 126 && b != '=' && !(b == '.' && column == 0)) || ((b == ' ' || b == '\t') && !last);
        QByteArray piece;
        if (literal)
            piece = QByteArray(1, char(b));
        else
            piece = QByteArray("=") + hex[b >> 4] + hex[b & 15];
        // Keep room for the soft break "=" unless this is the line's last piece.
        const qsizetype limit = last ? kQpLine : kQpLine - 1;
        if (column + piece.size() > limit) {
            out += "=\r\n";
            column = 0;
        }
        out += piece;
        column += piece.size();
    }
    return out;
}

} // namespace

QByteArray encodedWords(const QString& text)
{
    QList<QByteArray> words;
    QByteArray chunk;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QByteArray bytes = text.mid(i, n).toUtf8();
        if (chunk.size() + bytes.size() > kWordBytes) {
            words.append(chunk);
            chunk.clear();
        }
        chunk += bytes;
        i += n;
    }
    if (!chunk.isEmpty() || words.isEmpty())
        words.append(chunk);
    QByteArray out;
    for (const QByteArray& w : words) {
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + w.toBase64() + "?=";
    }
    return out;
}

QByteArray quotedPrintable(const QString& text)
{
    const QStringList lines = normalisedLineBreaks(text).split(QLatin1Char('\n'));
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += "\r\n";
        out += qpLine(lines.at(i).toUtf8());
    }
    return out;
}

QByteArray mailboxHeaderValue(const Mailbox& mailbox)
{
    requireHeaderSafe(QStringLiteral("recipient name"), mailbox.name);
    if (!isUsableAddress(mailbox.address))
        throw contactclient::AutomationError(
            contactclient::errMailAddress,
            QStringLiteral("\"%1\" is not a usable e-mail address.").arg(mailbox.address));
    if (mailbox.name.trimmed().isEmpty())
        return mailbox.address.toLatin1();
    return phrase(mailbox.name.trimmed()) + " <" + mailbox.address.toLatin1() + '>';
}

QString newMessageId(const QString& domain)
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + QLatin1Char('@') +
           (domain.isEmpty() ? QStringLiteral("localhost") : domain);
}

QByteArray composeMessage(const OutgoingMessage& message)
{
    requireHeaderSafe(QStringLiteral("subject"), message.subject);
    requireHeaderSafe(QStringLiteral("message identifier"), message.messageId);
    if (message.to.isEmpty())
        throw contactclient::AutomationError(contactclient::errMailAddress,
                                             QStringLiteral("The mail has no recipient."));
    QByteArray out;
    if (!message.from.address.isEmpty())
        out += "From: " + mailboxHeaderValue(message.from) + "\r\n";
    QByteArray to;
    for (const Mailbox& m : message.to) {
        if (!to.isEmpty())
            to += ",\r\n ";
        to += mailboxHeaderValue(m);
    }
    out += "To: " + to + "\r\n";
    out += unstructuredHeader("Subject", message.subject) + "\r\n";
    out += "Date: " + message.date.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    out += "Message-ID: <" + message.messageId.toLatin1() + ">\r\n";
    out += "MIME-Version: 1.0\r\n";
    out += "Content-Type: text/plain; charset=UTF-8\r\n";
    out += "Content-Transfer-Encoding: quoted-printable\r\n";
    out += "\r\n";
    out += quotedPrintable(message.body);
    out += "\r\n";
    return out;
}

} // namespace mail
