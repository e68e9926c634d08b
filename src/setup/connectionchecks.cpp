#include "connectionchecks.h"

#include "contactclient/carddav/davhttp.h"
#include "contactclient/carddav/davurl.h"
#include "contactclient/carddav/discovery.h"
#include "contactclient/errors.h"
#include "contactclient/ldap/ldapconnection.h"
#include "contactclient/ldap/ldaprefresh.h"
#include "mail/mailaccount.h"
#include "mail/message.h"
#include "mail/outbox.h"
#include "mail/sentcopy.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <QUrl>

namespace setup {

namespace carddav = contactclient::carddav;

CheckResult testCardDavConnection(const SetupSettings& settings, const QString& password)
{
    if (settings.cardDavUrl.trimmed().isEmpty())
        return {false, QCoreApplication::translate("SetupWindow", "Enter the address of the CardDAV server.")};
    try {
        // Plain http to another machine is refused by the connection itself.
        const QUrl server = carddav::serverUrl(settings.cardDavUrl);
        carddav::DavHttp http({settings.cardDavUser.trimmed(), password}, {server});
        http.setTimeout(15000, 30000);
        const QList<carddav::AddressBookInfo> books = carddav::findAddressBooks(http, server);
        if (books.isEmpty())
            return {false, QCoreApplication::translate(
                               "SetupWindow", "The server answered, but it holds no address book for this user.")};
        QStringList names;
        for (const carddav::AddressBookInfo& book : books)
            names.append(book.displayName.isEmpty() ? book.url.path() : book.displayName);
        return {true, books.size() == 1
                          ? QCoreApplication::translate("SetupWindow", "Connected: found the address book \"%1\".")
                                .arg(names.first())
                          : QCoreApplication::translate("SetupWindow", "Connected: found %1 address books: %2.")
                                .arg(books.size())
                                .arg(names.join(QStringLiteral(", ")))};
    } catch (const carddav::DavError& e) {
        if (e.kind() == carddav::DavError::Auth)
            return {false, QCoreApplication::translate("SetupWindow", "The server refused the user name or password.")};
        return {false, QCoreApplication::translate("SetupWindow", "No connection: %1").arg(e.message())};
    } catch (const contactclient::AutomationError& e) {
        return {false, QCoreApplication::translate("SetupWindow", "No connection: %1").arg(e.description())};
    }
}

CheckResult testLdapConnection(const SetupSettings& settings, const QString& password, const std::atomic<bool>* cancel)
{
    namespace ldap = contactclient::ldap;
    if (const QString problem = settings.ldapProblem(); !problem.isEmpty())
        return {false, problem};
    const QString bindDn = settings.ldapBindDn.trimmed();
    if (!bindDn.isEmpty() && password.isEmpty())
        return {false, QCoreApplication::translate(
                           "SetupWindow", "Enter the password of %1, or leave the bind DN empty to read the directory "
                                          "anonymously.")
                           .arg(bindDn)};
    const QString base = settings.ldapBaseDn.trimmed();
    try {
        ldap::ConnectionSettings connection;
        connection.url = settings.ldapUrl.trimmed();
        connection.bindDn = bindDn;
        connection.password = bindDn.isEmpty() ? QString() : password; // a name-less bind with a password is refused
        connection.caFile = settings.ldapCaFile.trimmed();
        // As the bar connects: StartTLS on ldap:// to any other computer.
        connection.startTls = ldap::startTlsWanted(ldap::parseLdapUrl(connection.url), settings.ldapStartTlsHere);
        connection.networkTimeoutS = 10;
        connection.operationTimeoutS = 60;
        ldap::Connection directory(connection, cancel);
        qint64 entries = 0;
        // "1.1" asks for no attributes: only the entries are counted.
        directory.pagedSearch(base, ldap::normalizedFilter(settings.ldapFilter), {QStringLiteral("1.1")},
                              [&entries](const ldap::Entry&) { ++entries; });
        if (entries == 0)
            return {true, QCoreApplication::translate("SetupWindow",
                                                      "Connected, but no people or groups were found below %1.")
                              .arg(base)};
        return {true, entries == 1 ? QCoreApplication::translate("SetupWindow", "Connected: found 1 entry.")
                                   : QCoreApplication::translate("SetupWindow", "Connected: found %1 entries.")
                                         .arg(QLocale().toString(entries))};
    } catch (const ldap::LdapError& e) {
        switch (e.kind()) {
        case ldap::LdapError::Auth:
            if (bindDn.isEmpty())
                return {false,
                        QCoreApplication::translate(
                            "SetupWindow", "The directory server does not let anyone read it anonymously: enter a "
                                           "bind DN and its password. (%1)")
                            .arg(e.message())};
            return {false, e.message()};
        case ldap::LdapError::Network:
            return {false,
                    QCoreApplication::translate("SetupWindow",
                                                "No connection: %1%2 Check the address and the port, and that this "
                                                "computer is on the company's network.")
                        .arg(e.message(), e.message().endsWith(QLatin1Char('.')) ? QString() : QStringLiteral("."))};
        case ldap::LdapError::Refused:
            // The library's fixed text for LDAP_NO_SUCH_OBJECT.
            if (e.message().contains(QLatin1String("No such object")))
                return {false, QCoreApplication::translate("SetupWindow",
                                                           "The directory server has no entry %1: check the base.")
                                   .arg(base)};
            break;
        case ldap::LdapError::Cancelled:
            return {false, QStringLiteral("Stopped.")};
        default:
            break;
        }
        return {false, QCoreApplication::translate("SetupWindow", "No connection: %1").arg(e.message())};
    }
}

CheckResult sendTestMessage(const SetupSettings& settings, const QString& password)
{
    if (const QString problem = settings.problem(); !problem.isEmpty())
        return {false, problem};
    mail::MailAccount account;
    switch (settings.mail) {
    case SetupSettings::Mail::Smtp:
        account.transport = QStringLiteral("smtp");
        break;
    case SetupSettings::Mail::Folder:
        account.transport = QStringLiteral("folder");
        break;
    case SetupSettings::Mail::Sendmail:
        account.transport = QStringLiteral("sendmail");
        break;
    case SetupSettings::Mail::Client:
        return {false, QCoreApplication::translate(
                           "SetupWindow", "Your own mail program sends the mail: there is nothing to test here.")};
    }
    account.folder = settings.mailFolder;
    account.sendmailPath = settings.sendmailPath.isEmpty() ? mail::kDefaultSendmail : settings.sendmailPath;
    account.smtpHost = settings.smtpHost.trimmed();
    account.smtpPort = QString::number(settings.effectivePort());
    account.smtpSecurity = settings.smtpSecurity;
    account.smtpUser = settings.smtpUser.trimmed();
    account.smtpPassword = password;
    account.smtpCaFile = settings.smtpCaFile;
    account.from = settings.mailFrom.trimmed();
    account.fromName = settings.mailFromName.trimmed();
    if (account.from.isEmpty())
        return {false,
                QCoreApplication::translate(
                    "SetupWindow", "Enter your own mail address as the sender address: the test message goes there.")};
    try {
        const mail::Mailbox me = mail::senderOf(account);
        mail::OutgoingMessage message;
        message.from = me;
        message.to = {me};
        message.subject = QCoreApplication::translate("SetupWindow", "Quintel test message");
        message.body = QCoreApplication::translate(
            "SetupWindow", "This message was sent by Quintel Setup to check your mail account.\n"
                           "Quintel can send mail. No answer is needed.\n");
        message.date = QDateTime::currentDateTime();
        message.messageId = mail::newMessageId(me.address.section(QLatin1Char('@'), 1));
        mail::createTransport(account)->send(me.address, {me.address}, mail::composeMessage(message));
        return {true, QCoreApplication::translate("SetupWindow", "A test message was sent to %1.").arg(me.address)};
    } catch (const contactclient::AutomationError& e) {
        return {false,
                QCoreApplication::translate("SetupWindow", "The test message was not sent: %1").arg(e.description())};
    }
}

CheckResult testImapConnection(const SetupSettings& settings, const QString& password)
{
    if (const QString problem = settings.imapProblem(); !problem.isEmpty())
        return {false, problem};
    mail::ImapSettings imap;
    imap.host = settings.imapHost.trimmed();
    imap.port = settings.effectiveImapPort();
    imap.security = settings.imapSecurity;
    imap.user = settings.imapUser.trimmed();
    imap.password = password;
    imap.caFile = settings.imapCaFile;
    imap.connectTimeoutSeconds = 15;
    imap.timeoutSeconds = 30;
    try {
        const QString folder = mail::displayName(mail::ImapClient(imap).sentFolder());
        return {true,
                QCoreApplication::translate("SetupWindow", "Connected: copies of sent mail go to the folder \"%1\".")
                    .arg(folder)};
    } catch (const contactclient::AutomationError& e) {
        return {false, QCoreApplication::translate("SetupWindow", "No connection: %1").arg(e.description())};
    }
}

QString outboxState(const QString& outboxFolder)
{
    const qsizetype waiting = mail::Outbox(outboxFolder).count();
    if (waiting == 0)
        return QCoreApplication::translate("SetupWindow", "Outbox: no mail is waiting to be sent.");
    return QCoreApplication::translate("SetupWindow", "Outbox: %1 (in %2). Quintel sends it while it runs.")
        .arg(mail::waitingMessage(waiting), outboxFolder);
}

} // namespace setup
