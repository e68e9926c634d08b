#pragma once
// Hands each message to the system's sendmail: `sendmail -t -oi`, started without a shell.

#include "mail/transport.h"

namespace mail {

class SendmailTransport : public Transport {
public:
    explicit SendmailTransport(QString program);
    using Transport::send;
    void send(const QString& from, const QStringList& recipients, MessageSource& message) override;

private:
    QString m_program;
};

} // namespace mail
