#pragma once
// Builds an Internet message (RFC 5322) with one text/plain part in UTF-8, quoted-printable.

#include "mail/mailbox.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace mail {

struct OutgoingMessage {
    Mailbox from; // no From header when the address is empty (sendmail adds its own)
    QList<Mailbox> to;
    QString subject;
    QString body; // line breaks of any kind; sent as CRLF
    QDateTime date;
    QString messageId; // without the angle brackets
};

// The message as it goes on the wire: CRLF line ends, header values encoded (RFC 2047) where
// they are not plain ASCII or hold text a reader would decode, and folded within 78 octets. Throws errMailAddress when
// a header value or address is unsafe.
QByteArray composeMessage(const OutgoingMessage& message);

// Pieces, for the tests and for other builders.
QList<QByteArray> encodedWordList(const QString& text); // "=?UTF-8?B?…?=" words of at most 64 octets
QByteArray encodedWords(const QString& text);           // those words joined by CRLF SP
QByteArray quotedPrintable(const QString& text);        // line breaks become CRLF
// "Name <address>" with the domain in ASCII, folded within 78 octets from the given column (where
// the value starts on its line). Throws errMailAddress when the address cannot be made usable.
QByteArray mailboxHeaderValue(const Mailbox& mailbox, qsizetype column = 0);
QString newMessageId(const QString& domain);

} // namespace mail
