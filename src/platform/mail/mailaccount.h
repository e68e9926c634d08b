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
// "imap": a copy of each mail sent through SMTP goes to the Sent folder of the IMAP account below.
inline const QString SaveSentCopy = QStringLiteral("SaveSentCopy");
inline const QString ImapHost = QStringLiteral("ImapHost");
inline const QString ImapPort = QStringLiteral("ImapPort");
inline const QString ImapSecurity =
    QStringLiteral("ImapSecurity"); // "tls" (imaps), "starttls"; "none" only to loopback
inline const QString ImapUser = QStringLiteral("ImapUser");
inline const QString ImapCaFile = QStringLiteral("ImapCaFile");
// Where mail waiting to be sent is kept; default the outbox folder under the user's data folder.
inline const QString OutboxFolder = QStringLiteral("OutboxFolder");
} // namespace key

inline const QString kDefaultSendmail = QStringLiteral("/usr/sbin/sendmail");

struct MailAccount {
    QString transport; // "sendmail", "smtp", "folder" or "client" (the desktop's mail program)
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
    QString saveSentCopy; // "imap" or empty
    QString imapHost;
    QString imapPort;
    QString imapSecurity;
    QString imapUser;
    QString imapPassword;
    QString imapCaFile;
    QString outboxFolder;
};

// Reads the account. A password kept in the settings file makes the file private (mode 0600).
// The account from the contact client's section. The SMTP password comes from the file when the
// user put it there, else from the desktop's keyring (smtpKeyringKey).
MailAccount readMailAccount(SettingsStore& settings);
QString smtpKeyringKey(const QString& user, const QString& host);
QString imapKeyringKey(const QString& user, const QString& host);
// ~/.local/share/Quintel/outbox (the user's data folder).
QString defaultOutboxFolder();

// The sender for the message: MailFrom, else (SMTP) a user name that is an address, else
// (folder) the login on this host; none for sendmail, which adds its own. Throws errMailAddress
// when the sender set up is unusable or SMTP has none.
Mailbox senderOf(const MailAccount& account);

// The transport the account names; throws errMailNotSent for an unknown one or a bad setting.
std::unique_ptr<Transport> createTransport(const MailAccount& account);

} // namespace mail
