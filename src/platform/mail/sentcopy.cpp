#include "sentcopy.h"

#include "contactclient/errors.h"
#include "mail/mailaccount.h"
#include "mail/messagesource.h"

namespace mail {

bool savesSentCopy(const MailAccount& account)
{
    return account.transport == QLatin1String("smtp") && account.saveSentCopy == QLatin1String("imap");
}

ImapSettings imapSettingsOf(const MailAccount& account)
{
    ImapSettings s;
    s.host = account.imapHost;
    if (!account.imapPort.isEmpty()) {
        bool ok = false;
        s.port = account.imapPort.toInt(&ok);
        if (!ok || s.port < 1 || s.port > 65535)
            throw contactclient::AutomationError(
                contactclient::errMailNotSent,
                QStringLiteral("ImapPort \"%1\" is not a port number.").arg(account.imapPort));
    }
    s.security = account.imapSecurity;
    s.user = account.imapUser;
    s.password = account.imapPassword;
    s.caFile = account.imapCaFile;
    return s;
}

QString saveSentCopy(const MailAccount& account, const QByteArray& message)
{
    BytesSource source(message);
    return saveSentCopy(account, source);
}

QString saveSentCopy(const MailAccount& account, MessageSource& message)
{
    try {
        const ImapClient imap(imapSettingsOf(account));
        imap.append(imap.sentFolder(), message);
        return {};
    } catch (...) {
        const QString why = contactclient::describeFailure(std::current_exception()).description;
        return QStringLiteral("The mail was sent, but no copy of it could be saved in your Sent folder.\n\n%1")
            .arg(why);
    }
}

} // namespace mail
