#include "outboxenvelope.h"

#include "mail/mailbox.h"

#include <QSet>

#include <algorithm>

namespace mail {
namespace {

// The addresses a header of the message names ("To: Ann <a@example.com>,\r\n b@example.com"):
// the part in angle brackets, else the whole part; commas inside quotes do not separate.
void addHeaderAddresses(QByteArrayView value, QSet<QString>& out)
{
    const auto take = [&](QByteArrayView part) {
        QByteArray text = part.trimmed().toByteArray();
        const qsizetype open = text.lastIndexOf('<');
        if (open >= 0) {
            const qsizetype close = text.indexOf('>', open);
            text = text.mid(open + 1, close > open ? close - open - 1 : -1);
        }
        if (!text.isEmpty())
            out.insert(QString::fromUtf8(text.trimmed()).toLower());
    };
    bool quoted = false;
    qsizetype from = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\' && quoted)
            ++i;
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted) {
            take(value.sliced(from, i - from));
            from = i + 1;
        }
    }
    take(value.sliced(std::min(from, value.size())));
}

// Every address the message's To and Cc headers name, in lower case.
QSet<QString> namedRecipients(const QByteArray& message)
{
    QByteArray head = message.left(message.indexOf("\r\n\r\n"));
    head.replace("\r\n ", " ").replace("\r\n\t", " ");
    QSet<QString> named;
    for (const QByteArray& line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = line.first(colon).trimmed().toLower();
        if (name == "to" || name == "cc")
            addHeaderAddresses(QByteArrayView(line).sliced(colon + 1), named);
    }
    return named;
}

} // namespace

std::optional<Envelope> parseEnvelope(const QByteArray& envelope, const QByteArray& message, QString* why)
{
    QStringList lines = QString::fromUtf8(envelope).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < 2) {
        *why = QStringLiteral("it has no recipient");
        return std::nullopt;
    }
    Envelope e;
    e.from = lines.takeFirst();
    for (const QString& address : std::as_const(lines)) {
        if (hasControlCharacter(address) || !isUsableAddress(address)) {
            *why = QStringLiteral("the recipient \"%1\" is not usable").arg(address);
            return std::nullopt;
        }
    }
    if (!e.from.isEmpty() && (hasControlCharacter(e.from) || !isUsableAddress(e.from))) {
        *why = QStringLiteral("the sender \"%1\" is not usable").arg(e.from);
        return std::nullopt;
    }
    // The envelope goes to the recipients the message was written for, and to no one else: an
    // address added to it would receive a hidden copy.
    const QSet<QString> named = namedRecipients(message);
    for (const QString& address : std::as_const(lines)) {
        if (!named.contains(address.toLower()) && !named.contains(wireAddress(address).toLower())) {
            *why = QStringLiteral("the recipient \"%1\" is not one the message is addressed to").arg(address);
            return std::nullopt;
        }
    }
    e.recipients = lines;
    return e;
}

} // namespace mail
