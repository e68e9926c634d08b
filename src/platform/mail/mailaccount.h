#pragma once
// The mail account of the contact client's settings section and the transport it names.

#include "mail/mailbox.h"
#include "mail/transport.h"

#include <QString>

#include <memory>

class SettingsStore;

namespace mail {

namespace key {
// Extra certificates to trust for the SMTP server (a PEM file), for a server with its own CA.
inline const QString SmtpCaFile = QStringLiteral("SmtpCaFile");
} // namespace key

inline const QString kDefaultSendmail = QStringLiteral("/usr/sbin/sendmail");

struct MailAccount {
    QString transport; // "sendmail", "smtp" or "folder"
    QString folder;
    QString sendmailPath;
    QString smtpHost;
    QString smtpPort;
    QString smtpSecurity;
    QString smtpUser;
    QString smtpPassword;
    QString smtpCaFile;
    QString from;
    QString fromName;
};

// Reads the account. A password kept in the settings file makes the file private (mode 0600).
// The account from the contact client's section. The SMTP password comes from the file when the
// user put it there, else from the desktop's keyring (smtpKeyringKey).
MailAccount readMailAccount(SettingsStore& settings);
QString smtpKeyringKey(const QString& user, const QString& host);

// The sender for the message: MailFrom, else (SMTP) a user name that is an address, else
// (folder) the login on this host; none for sendmail, which adds its own. Throws errMailAddress
// when the sender set up is unusable or SMTP has none.
Mailbox senderOf(const MailAccount& account);

// The transport the account names; throws errMailNotSent for an unknown one or a bad setting.
std::unique_ptr<Transport> createTransport(const MailAccount& account);

} // namespace mail
