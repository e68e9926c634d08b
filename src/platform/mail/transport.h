#pragma once
// Where a composed message goes: an SMTP server, the system's sendmail, or a folder.

#include "contactclient/errors.h"
#include "mail/messagesource.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mail {

// The largest message sent where nothing states a limit: an SMTP server without the SIZE
// extension (or with SIZE 0), the system's sendmail, a folder. Most servers stop at 25 to 50 MB.
constexpr qint64 kLargestMessageWithoutLimit = 64LL * 1024 * 1024;

// The message is larger than the transport takes: it will not go out as it is, and trying again
// will not change that.
class MessageTooLarge : public contactclient::AutomationError {
public:
    explicit MessageTooLarge(const QString& description) : AutomationError(contactclient::errMailNotSent, description)
    {
    }
};

// The server refused this message (its sender, a recipient or its content) after the connection
// and login succeeded: the messages after it may still go. The number is errMailTryLater for a
// refusal that may pass (a 4xx answer), else errMailNotSent.
class MessageRefused : public contactclient::AutomationError {
public:
    using AutomationError::AutomationError;
};

class Transport {
public:
    virtual ~Transport() = default;
    // Hands the message on, read from the source as it goes (from its first byte). Throws
    // contactclient::AutomationError (errMailNotSent, errMailTryLater) with the reason, or one of
    // the two kinds above; the message is then not sent.
    virtual void send(const QString& from, const QStringList& recipients, MessageSource& message) = 0;
    // The same for a message in memory.
    void send(const QString& from, const QStringList& recipients, const QByteArray& message)
    {
        BytesSource source(message);
        send(from, recipients, source);
    }
};

} // namespace mail
