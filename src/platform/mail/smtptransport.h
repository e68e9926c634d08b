#pragma once
// Sends through an SMTP server with libcurl: implicit TLS (smtps) or STARTTLS required, AUTH when a
// user is set, certificate verification always on. Plain SMTP only to the loopback interface.

#include "mail/transport.h"

namespace mail {

struct SmtpSettings {
    QString host;
    int port = 0;     // 0: the security's usual port (465, 587, 25)
    QString security; // "tls", "starttls" or "none"
    QString user;
    QString password;
    QString caFile; // extra trusted certificates (PEM); empty: the system's
    long connectTimeoutSeconds = 20;
    long timeoutSeconds = 120;
};

class SmtpTransport : public Transport {
public:
    explicit SmtpTransport(SmtpSettings settings);
    using Transport::send;
    // The message is read as it goes out. A message larger than the server's SIZE, or than
    // kLargestMessageWithoutLimit when it states none, throws MessageTooLarge before any of it is
    // read; a refusal of this message after MAIL FROM throws MessageRefused.
    void send(const QString& from, const QStringList& recipients, MessageSource& message) override;
    // The URL libcurl is given; throws errMailNotSent for a setting it cannot use.
    QString url() const;

private:
    SmtpSettings m_settings;
};

} // namespace mail
