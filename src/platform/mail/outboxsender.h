#pragma once
// Sends what waits in the outbox through the account's transport, each message at most once.
// Runs on a worker; touches nothing but the outbox folder, the transport and the IMAP account.

#include <QString>
#include <QStringList>

#include <functional>

namespace mail {

struct MailAccount;

struct OutboxReport {
    int sent = 0;
    qsizetype waiting = 0;    // still in the outbox afterwards
    bool tryLater = false;    // a send failed for a reason that may pass
    QStringList problems;     // to tell the user: damaged files set aside, sends refused
    QStringList notices;      // sent, but the copy in Sent failed
    QStringList inDoubt;      // ids the bar was sending when it stopped: sent only when the user says so
    QStringList inDoubtAbout; // for each of them, whom it was for
};

struct OutboxSendOptions {
    // Messages in doubt the user agreed to send again.
    QStringList resend;
    // Tests: called when the server has taken a message, before it is removed.
    std::function<void(const QString& id)> afterAccept;
};

OutboxReport sendOutbox(const MailAccount& account, const OutboxSendOptions& options = {});

} // namespace mail
