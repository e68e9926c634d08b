#include "mailaccount.h"

#include "contactclient/carddav/credentials.h"
#include "contactclient/clientconfig.h"
#include "contactclient/errors.h"
#include "mail/foldertransport.h"
#include "mail/sendmailtransport.h"
#include "mail/smtptransport.h"
#include "settingsstore.h"

#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

namespace mail {

using contactclient::AutomationError;
using contactclient::clientSetting;
namespace ckey = contactclient::key;

MailAccount readMailAccount(SettingsStore& settings)
{
    MailAccount a;
    a.transport = clientSetting(settings, ckey::MailTransport, QStringLiteral("sendmail")).trimmed().toLower();
    a.folder = clientSetting(settings, ckey::MailFolder).trimmed();
    a.sendmailPath = clientSetting(settings, ckey::SendmailPath, kDefaultSendmail).trimmed();
    a.smtpHost = clientSetting(settings, ckey::SmtpHost).trimmed();
    a.smtpPort = clientSetting(settings, ckey::SmtpPort).trimmed();
    a.smtpSecurity = clientSetting(settings, ckey::SmtpSecurity, QStringLiteral("tls")).trimmed().toLower();
    a.smtpUser = clientSetting(settings, ckey::SmtpUser).trimmed();
    a.smtpPassword = clientSetting(settings, ckey::SmtpPassword);
    a.smtpCaFile = clientSetting(settings, key::SmtpCaFile).trimmed();
    a.from = clientSetting(settings, ckey::MailFrom).trimmed();
    a.fromName = clientSetting(settings, ckey::MailFromName).trimmed();
    a.saveSentCopy = clientSetting(settings, key::SaveSentCopy).trimmed().toLower();
    a.imapHost = clientSetting(settings, key::ImapHost).trimmed();
    a.imapPort = clientSetting(settings, key::ImapPort).trimmed();
    a.imapSecurity = clientSetting(settings, key::ImapSecurity, QStringLiteral("tls")).trimmed().toLower();
    a.imapUser = clientSetting(settings, key::ImapUser).trimmed();
    a.imapCaFile = clientSetting(settings, key::ImapCaFile).trimmed();
    a.outboxFolder = clientSetting(settings, key::OutboxFolder, defaultOutboxFolder()).trimmed();
    if (a.saveSentCopy == QLatin1String("imap") && !a.imapUser.isEmpty())
        a.imapPassword = contactclient::carddav::storedPassword(imapKeyringKey(a.imapUser, a.imapHost));
    if (a.smtpPassword.isEmpty() && a.transport == QLatin1String("smtp") && !a.smtpUser.isEmpty())
        a.smtpPassword = contactclient::carddav::storedPassword(smtpKeyringKey(a.smtpUser, a.smtpHost));
    else if (!a.smtpPassword.isEmpty()) {
        // The user put a password into the file: nobody else may read it.
        if (auto* file = dynamic_cast<QSettingsStore*>(&settings); file && QFile::exists(file->fileName()))
            QFile::setPermissions(file->fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return a;
}

QString smtpKeyringKey(const QString& user, const QString& host)
{
    return QStringLiteral("smtp:%1@%2").arg(user, host);
}

QString imapKeyringKey(const QString& user, const QString& host)
{
    return QStringLiteral("imap:%1@%2").arg(user, host);
}

QString defaultOutboxFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quintel/outbox");
}

Mailbox senderOf(const MailAccount& account)
{
    requireHeaderSafe(QStringLiteral("sender name (MailFromName)"), account.fromName);
    QString address = account.from;
    if (address.isEmpty() && account.transport == QLatin1String("smtp") && account.smtpUser.contains(QLatin1Char('@')))
        address = account.smtpUser;
    if (address.isEmpty() && account.transport == QLatin1String("folder")) {
        const QString login = qEnvironmentVariable("USER", QStringLiteral("user"));
        QString host = QSysInfo::machineHostName();
        address =
            login + QLatin1Char('@') + (host.contains(QLatin1Char('.')) ? host : host + QStringLiteral(".localdomain"));
    }
    if (address.isEmpty()) {
        if (account.transport == QLatin1String("smtp"))
            throw AutomationError(contactclient::errMailAddress,
                                  QStringLiteral("No sender address is set up (MailFrom)."));
        return {};
    }
    const QString wire = wireAddress(address);
    if (wire.isEmpty())
        throw AutomationError(contactclient::errMailAddress,
                              QStringLiteral("The sender address \"%1\" (MailFrom) is not usable.").arg(address));
    return {account.fromName, wire};
}

std::unique_ptr<Transport> createTransport(const MailAccount& account)
{
    if (account.transport == QLatin1String("sendmail"))
        return std::make_unique<SendmailTransport>(account.sendmailPath);
    if (account.transport == QLatin1String("folder"))
        return std::make_unique<FolderTransport>(account.folder);
    if (account.transport == QLatin1String("smtp")) {
        SmtpSettings s;
        s.host = account.smtpHost;
        if (!account.smtpPort.isEmpty()) {
            bool ok = false;
            s.port = account.smtpPort.toInt(&ok);
            if (!ok || s.port < 1 || s.port > 65535)
                throw AutomationError(contactclient::errMailNotSent,
                                      QStringLiteral("SmtpPort \"%1\" is not a port number.").arg(account.smtpPort));
        }
        s.security = account.smtpSecurity;
        s.user = account.smtpUser;
        s.password = account.smtpPassword;
        s.caFile = account.smtpCaFile;
        return std::make_unique<SmtpTransport>(s);
    }
    throw AutomationError(
        contactclient::errMailNotSent,
        QStringLiteral("MailTransport \"%1\" is not one of sendmail, smtp, folder, client.").arg(account.transport));
}

} // namespace mail
