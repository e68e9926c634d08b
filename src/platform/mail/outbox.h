#pragma once
// Mail waiting to be sent: a folder of .eml files, each the message exactly as it will go out,
// with its envelope (sender, then one recipient a line) in a .env file beside it. Files are written
// to a temporary name and renamed into place. The folder is the user's alone (0700, its files
// 0600); only regular files of the user are read from it (never through a symbolic link), and an
// envelope may name only recipients the message itself is addressed to. A message being handed to the server carries a
// .sending marker; a marker found later means the bar stopped in the middle, and the message may
// already have been delivered.

#include "mail/messagesource.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace mail {

struct OutboxMessage {
    QString id;
    QString from;
    QStringList recipients;
    // The .eml, open: read as it is sent, never whole.
    std::shared_ptr<MessageSource> message;
};

class Outbox {
public:
    explicit Outbox(QString folder);
    QString folder() const { return m_folder; }

    // Keeps a message; returns its id. Throws errMailNotSent when it cannot be written.
    QString keep(const QString& from, const QStringList& recipients, const QByteArray& message);
    // The messages in the order they were kept.
    QStringList ids() const;
    qsizetype count() const { return ids().size(); }
    // Why the outbox folder is not used (a symbolic link, another user's); empty when it is
    // fine or not there yet.
    QString problem() const;
    // The message was being sent when the bar stopped.
    bool isInDoubt(const QString& id) const;
    // The envelope, and the message opened to be read as it is sent (only its header is read
    // here, to check the envelope against it). Throws errMailNotSent naming the file when the
    // message or its envelope is damaged.
    OutboxMessage read(const QString& id) const;

    // Before the message is handed to the server. Throws errMailNotSent.
    void markSending(const QString& id);
    // The server took it: the message goes first, then its envelope and marker.
    void removeSent(const QString& id);
    // The server did not take it: it waits again.
    void clearMark(const QString& id);
    // A damaged message, or one the mail account cannot send, is moved into the "not sent" folder
    // beside the outbox, for the user to look at; returns where it went.
    QString setAside(const QString& id);

private:
    QString path(const QString& id, const char* suffix) const;
    QString m_folder;
};

// "1 message waiting to be sent", "3 messages waiting to be sent".
QString waitingMessage(qsizetype count);

// Seconds before retry number `attempt` (0 first): 30 s, doubling, at most 30 minutes.
int retryDelaySeconds(int attempt);

} // namespace mail
