#pragma once
// The envelope of a message in the outbox (its .env file: the sender, then one recipient a line)
// read and checked against the message it goes with.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace mail {

struct Envelope {
    QString from; // empty: the transport's own sender
    QStringList recipients;
};

// The envelope, or nothing with why set: a recipient or sender that is no usable address (a line
// break or control character in it included), no recipient at all, or a recipient the message's
// To and Cc headers do not name.
std::optional<Envelope> parseEnvelope(const QByteArray& envelope, const QByteArray& message, QString* why);

} // namespace mail
