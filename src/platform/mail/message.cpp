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

// Text a mail reader would take for an encoded word ("=?charset?B?…?=") and show decoded: such
// text is itself sent encoded, so that the reader shows what was typed.
bool looksEncoded(const QString& text)
{
    return text.contains(QStringLiteral("=?"));
}

// Joins the words with single spaces, starting at the given column, and folds the line before a
// word that would end past 78 octets. A fold goes only between two words (never at a run of
// spaces, which must stay as typed), so a single word longer than a line stays whole.
QByteArray foldWords(qsizetype column, const QList<QByteArray>& words)
{
    QByteArray out;
    qsizetype lineLength = column;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QByteArray& w = words.at(i);
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

QList<QByteArray> latin1Words(const QString& text)
{
    QList<QByteArray> words;
    for (const QString& w : text.split(QLatin1Char(' ')))
        words.append(w.toLatin1());
    return words;
}

// A display name as words: atoms, a quoted string cut at its spaces, or encoded words.
QList<QByteArray> phraseWords(const QString& name)
{
    if (!isPlainAscii(name) || looksEncoded(name))
        return encodedWordList(name);
    if (isAtomText(name))
        return latin1Words(name);
    QString quoted = QStringLiteral("\"");
    for (const QChar c : name) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return latin1Words(quoted + QLatin1Char('"'));
}

// An unstructured header (Subject): plain ASCII folded at spaces, anything else encoded words.
QByteArray unstructuredHeader(const QByteArray& name, const QString& value)
{
    const QByteArray head = name + ": ";
    bool plain = isPlainAscii(value) && !looksEncoded(value);
    for (const QString& w : value.split(QLatin1Char(' ')))
        plain = plain && w.size() < 900;
    return head + foldWords(head.size(), plain ? latin1Words(value) : encodedWordList(value));
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

QList<QByteArray> encodedWordList(const QString& text)
{
    QList<QByteArray> chunks;
    QByteArray chunk;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QByteArray bytes = text.mid(i, n).toUtf8();
        if (chunk.size() + bytes.size() > kWordBytes) {
            chunks.append(chunk);
            chunk.clear();
        }
        chunk += bytes;
        i += n;
    }
    if (!chunk.isEmpty() || chunks.isEmpty())
        chunks.append(chunk);
    QList<QByteArray> words;
    for (const QByteArray& c : chunks)
        words.append("=?UTF-8?B?" + c.toBase64() + "?=");
    return words;
}

QByteArray encodedWords(const QString& text)
{
    return encodedWordList(text).join("\r\n ");
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

QByteArray mailboxHeaderValue(const Mailbox& mailbox, qsizetype column)
{
    requireHeaderSafe(QStringLiteral("recipient name"), mailbox.name);
    const QString address = wireAddress(mailbox.address);
    if (address.isEmpty())
        throw contactclient::AutomationError(
            contactclient::errMailAddress,
            QStringLiteral("\"%1\" is not a usable e-mail address.").arg(mailbox.address));
    if (mailbox.name.trimmed().isEmpty())
        return address.toLatin1();
    QList<QByteArray> words = phraseWords(mailbox.name.trimmed());
    words.append('<' + address.toLatin1() + '>');
    return foldWords(column, words);
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
        out += "From: " + mailboxHeaderValue(message.from, 6) + "\r\n";
    // One recipient to a line; a long one folds within its own lines.
    QByteArray to = "To: ";
    for (qsizetype i = 0; i < message.to.size(); ++i) {
        if (i > 0)
            to += ",\r\n ";
        to += mailboxHeaderValue(message.to.at(i), i > 0 ? 1 : 4);
    }
    out += to + "\r\n";
    out += unstructuredHeader("Subject", message.subject) + "\r\n";
    out += "Date: " + message.date.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    out += "Message-ID: <" + message.messageId.toLatin1() + ">\r\n";
    out += "MIME-Version: 1.0\r\n";
    out += "Content-Type: text/plain; charset=UTF-8\r\n";
    out += "Content-Transfer-Encoding: quoted-printable\r\n";
    out += "\r\n";
    out += quotedPrintable(message.body);
    // The body's last line ends in one line break: its own when it has one.
    if (!out.endsWith("\r\n"))
        out += "\r\n";
    return out;
}

} // namespace mail
