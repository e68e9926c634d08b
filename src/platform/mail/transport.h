#pragma once
// Where a composed message goes: an SMTP server, the system's sendmail, or a folder.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mail {

class Transport {
public:
    virtual ~Transport() = default;
    // Hands the message on. Throws contactclient::AutomationError (errMailNotSent) with the reason;
    // the message is then not sent.
    virtual void send(const QString& from, const QStringList& recipients, const QByteArray& message) = 0;
};

} // namespace mail
