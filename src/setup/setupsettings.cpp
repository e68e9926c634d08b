#include "setupsettings.h"

#include "contactclient/books/bookconfig.h"

#include "contactclient/clientconfig.h"
#include "contactclient/ldap/ldapconnection.h"
#include "mail/mailaccount.h"
#include "settingsstore.h"
#include "setup/firstrun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QRegularExpression>
#include <QUrl>

namespace setup {
namespace {

using namespace contactclient;

const QString kDefaultSendmail = QStringLiteral("/usr/sbin/sendmail");

QString get(const SettingsStore& store, const QString& k)
{
    return clientSetting(store, k).trimmed();
}

void put(SettingsStore& store, const QString& k, const QString& value)
{
    store.SaveSetting(kClientApplication, kClientSection, k, value);
}

// Keys without a default are written when they hold a value, or to clear a value the store has.
void putOptional(SettingsStore& store, const QString& k, const QString& value)
{
    if (!value.isEmpty() || !clientSetting(store, k).isEmpty())
        put(store, k, value);
}

bool hasControlCharacters(const QString& text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return true;
    }
    return false;
}

bool isLoopback(const QString& host)
{
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    QString bare = host;
    if (bare.startsWith(QLatin1Char('[')) && bare.endsWith(QLatin1Char(']')))
        bare = bare.mid(1, bare.size() - 2);
    const QHostAddress address(bare);
    return !address.isNull() && address.isLoopback();
}

bool yes(const QString& value)
{
    const QString v = value.trimmed().toLower();
    return v == QLatin1String("yes") || v == QLatin1String("true") || v == QLatin1String("1");
}

} // namespace

bool isMailAddress(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^[^\s@<>",;:()\[\]\\]+@[^\s@<>",;:()\[\]\\]+$)"));
    return !hasControlCharacters(text) && pattern.match(text).hasMatch();
}

int SetupSettings::defaultPort(const QString& security)
{
    if (security == QLatin1String("tls"))
        return 465;
    if (security == QLatin1String("none"))
        return 25;
    return 587;
}

SetupSettings SetupSettings::load(const SettingsStore& store)
{
    SetupSettings s;
    const QString backend = get(store, key::Backend);
    s.addressBook = backend == QLatin1String("carddav") ? AddressBook::CardDav
                    : backend == QLatin1String("eds")   ? AddressBook::Eds
                    : backend == QLatin1String("ldap")  ? AddressBook::Ldap
                                                        : AddressBook::VCardFolder;
    s.edsBooks = get(store, key::EdsBooks);
    s.folder = get(store, key::Folder);
    s.cardDavUrl = get(store, key::CardDavUrl);
    s.cardDavUser = get(store, key::CardDavUser);
    s.cardDavAddressBook = get(store, key::CardDavAddressBook);
    s.ldapUrl = get(store, key::LdapUrl);
    s.ldapBaseDn = get(store, key::LdapBaseDn);
    s.ldapBindDn = get(store, key::LdapBindDn);
    s.ldapFilter = get(store, key::LdapFilter);
    s.ldapCaFile = get(store, key::LdapCaFile);
    s.ldapStartTlsHere = yes(get(store, key::LdapStartTls));
    for (const contactclient::BookSpec& spec : contactclient::parseBooks(get(store, key::Books)))
        s.books.append(spec.text());

    const QString transport = get(store, key::MailTransport);
    s.mail = transport == QLatin1String("smtp")     ? Mail::Smtp
             : transport == QLatin1String("folder") ? Mail::Folder
             : transport == QLatin1String("client") ? Mail::Client
                                                    : Mail::Sendmail;
    s.mailFolder = get(store, key::MailFolder);
    s.sendmailPath = get(store, key::SendmailPath);
    s.smtpHost = get(store, key::SmtpHost);
    bool ok = false;
    const int port = get(store, key::SmtpPort).toInt(&ok);
    s.smtpPort = ok && port > 0 && port < 65536 ? port : 0;
    const QString security = get(store, key::SmtpSecurity).toLower();
    if (security == QLatin1String("tls") || security == QLatin1String("starttls") || security == QLatin1String("none"))
        s.smtpSecurity = security;
    s.smtpUser = get(store, key::SmtpUser);
    s.mailFrom = get(store, key::MailFrom);
    s.mailFromName = clientSetting(store, key::MailFromName);
    s.smtpCaFile = get(store, QStringLiteral("SmtpCaFile"));
    s.saveSentCopy = get(store, mail::key::SaveSentCopy).toLower() == QLatin1String("imap");
    s.imapHost = get(store, mail::key::ImapHost);
    const int imapPort = get(store, mail::key::ImapPort).toInt(&ok);
    s.imapPort = ok && imapPort > 0 && imapPort < 65536 ? imapPort : 0;
    const QString imapSecurity = get(store, mail::key::ImapSecurity).toLower();
    if (imapSecurity == QLatin1String("tls") || imapSecurity == QLatin1String("starttls") ||
        imapSecurity == QLatin1String("none"))
        s.imapSecurity = imapSecurity;
    s.imapUser = get(store, mail::key::ImapUser);
    s.imapCaFile = get(store, mail::key::ImapCaFile);
    return s;
}

void SetupSettings::save(SettingsStore& store) const
{
    put(store, key::Backend,
        addressBook == AddressBook::CardDav ? QStringLiteral("carddav")
        : addressBook == AddressBook::Eds   ? QStringLiteral("eds")
        : addressBook == AddressBook::Ldap  ? QStringLiteral("ldap")
                                            : QStringLiteral("vcard"));
    putOptional(store, key::EdsBooks, edsBooks.trimmed());
    // The folder is written out in full: an empty value would not mean "the default" to a reader.
    put(store, key::Folder,
        folder.trimmed().isEmpty() ? firstrun::defaultContactsFolder() : QDir::cleanPath(folder.trimmed()));
    putOptional(store, key::CardDavUrl, cardDavUrl.trimmed());
    putOptional(store, key::CardDavUser, cardDavUser.trimmed());
    putOptional(store, key::LdapUrl, ldapUrl.trimmed());
    putOptional(store, key::LdapBaseDn, ldapBaseDn.trimmed());
    putOptional(store, key::LdapBindDn, ldapBindDn.trimmed());
    putOptional(store, key::Books, books.join(QStringLiteral(", ")));

    switch (mail) {
    case Mail::Smtp:
        put(store, key::MailTransport, QStringLiteral("smtp"));
        break;
    case Mail::Folder:
        put(store, key::MailTransport, QStringLiteral("folder"));
        break;
    case Mail::Sendmail:
        put(store, key::MailTransport, QStringLiteral("sendmail"));
        break;
    case Mail::Client:
        put(store, key::MailTransport, QStringLiteral("client"));
        break;
    }
    putOptional(store, key::MailFolder, mailFolder.trimmed());
    if (mail == Mail::Sendmail || !sendmailPath.trimmed().isEmpty() ||
        !clientSetting(store, key::SendmailPath).isEmpty())
        put(store, key::SendmailPath, sendmailPath.trimmed().isEmpty() ? kDefaultSendmail : sendmailPath.trimmed());
    putOptional(store, key::SmtpHost, smtpHost.trimmed());
    if (mail == Mail::Smtp) {
        put(store, key::SmtpPort, QString::number(effectivePort()));
        put(store, key::SmtpSecurity, smtpSecurity);
    }
    putOptional(store, key::SmtpUser, smtpUser.trimmed());
    putOptional(store, key::MailFrom, mailFrom.trimmed());
    putOptional(store, key::MailFromName, mailFromName.trimmed());

    if (saveSentCopy || !clientSetting(store, mail::key::SaveSentCopy).isEmpty())
        put(store, mail::key::SaveSentCopy, saveSentCopy ? QStringLiteral("imap") : QString());
    putOptional(store, mail::key::ImapHost, imapHost.trimmed());
    if (saveSentCopy) {
        put(store, mail::key::ImapPort, QString::number(effectiveImapPort()));
        put(store, mail::key::ImapSecurity, imapSecurity);
    }
    putOptional(store, mail::key::ImapUser, imapUser.trimmed());
}

QString SetupSettings::problem() const
{
    switch (addressBook) {
    case AddressBook::VCardFolder: {
        const QString f = folder.trimmed();
        if (!f.isEmpty() && QDir::isRelativePath(f))
            return QCoreApplication::translate("SetupWindow",
                                               "The address-book folder must be a full path (starting with /).");
        if (!f.isEmpty() && QFileInfo::exists(f) && !QFileInfo(f).isDir())
            return QCoreApplication::translate("SetupWindow", "%1 is a file, not a folder.").arg(f);
        break;
    }
    case AddressBook::CardDav: {
        const QUrl url(cardDavUrl.trimmed(), QUrl::StrictMode);
        if (cardDavUrl.trimmed().isEmpty())
            return QCoreApplication::translate("SetupWindow", "Enter the address of the CardDAV server.");
        if (!url.isValid() || url.host().isEmpty() ||
            (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
            return QStringLiteral("The CardDAV address must look like https://server.example/dav/.");
        if (url.scheme() == QLatin1String("http") && !isLoopback(url.host()))
            return QStringLiteral("Use an https:// address: over http:// the password would cross the network "
                                  "unencrypted.");
        if (hasControlCharacters(cardDavUser))
            return QCoreApplication::translate("SetupWindow", "The CardDAV user name contains control characters.");
        break;
    }
    case AddressBook::Eds:
        break; // the desktop knows its books; the window lists them
    case AddressBook::Ldap:
        if (const QString p = ldapProblem(); !p.isEmpty())
            return p;
        break;
    }

    if (mail == Mail::Smtp) {
        const QString host = smtpHost.trimmed();
        if (host.isEmpty())
            return QCoreApplication::translate("SetupWindow", "Enter the SMTP server's host name.");
        if (hasControlCharacters(host) || host.contains(QLatin1Char(' ')) || host.contains(QLatin1Char('/')))
            return QCoreApplication::translate("SetupWindow", "The SMTP host name is not valid.");
        if (smtpPort < 0 || smtpPort > 65535)
            return QCoreApplication::translate("SetupWindow", "The SMTP port must be between 1 and 65535.");
        if (smtpSecurity == QLatin1String("none") && !isLoopback(host))
            return QCoreApplication::translate(
                "SetupWindow", "A connection without encryption is allowed only to this computer (localhost): "
                               "choose TLS or STARTTLS.");
        if (hasControlCharacters(smtpUser))
            return QCoreApplication::translate("SetupWindow", "The SMTP user name contains control characters.");
        if (mailFrom.trimmed().isEmpty())
            return QCoreApplication::translate("SetupWindow", "Enter your own mail address as the sender address.");
    } else if (mail == Mail::Sendmail) {
        const QString path = sendmailPath.trimmed();
        if (!path.isEmpty() && QDir::isRelativePath(path))
            return QCoreApplication::translate("SetupWindow", "The sendmail program must be given with its full path.");
    }
    if (mail == Mail::Smtp && saveSentCopy) {
        if (const QString p = imapProblem(); !p.isEmpty())
            return p;
    }
    if (!mailFrom.trimmed().isEmpty() && !isMailAddress(mailFrom.trimmed()))
        return QStringLiteral("\"%1\" is not a mail address (name@example.org).").arg(mailFrom.trimmed());
    if (hasControlCharacters(mailFromName))
        return QCoreApplication::translate("SetupWindow", "The sender's name contains control characters.");
    return {};
}

QString SetupSettings::ldapProblem() const
{
    const QString url = ldapUrl.trimmed();
    if (url.isEmpty())
        return QStringLiteral("Enter the address of the directory server (ldaps://ldap.example.com).");
    if (hasControlCharacters(url))
        return QCoreApplication::translate("SetupWindow",
                                           "The directory server's address contains control characters.");
    try {
        contactclient::ldap::parseLdapUrl(url);
    } catch (const contactclient::ldap::LdapError& e) {
        return e.message().remove(QStringLiteral(" (key LdapUrl)"));
    }
    if (ldapBaseDn.trimmed().isEmpty())
        return QCoreApplication::translate(
            "SetupWindow", "Enter the base of the directory, where the search starts (dc=example,dc=com).");
    if (hasControlCharacters(ldapBaseDn) || !ldapBaseDn.contains(QLatin1Char('=')))
        return QStringLiteral("\"%1\" is not a base of a directory (dc=example,dc=com).").arg(ldapBaseDn.trimmed());
    if (hasControlCharacters(ldapBindDn) || (!ldapBindDn.trimmed().isEmpty() && !ldapBindDn.contains(QLatin1Char('='))))
        return QStringLiteral("\"%1\" is not a bind DN (cn=reader,dc=example,dc=com); leave it empty to read the "
                              "directory anonymously.")
            .arg(ldapBindDn.trimmed());
    return {};
}

QString SetupSettings::imapProblem() const
{
    const QString host = imapHost.trimmed();
    if (host.isEmpty())
        return QCoreApplication::translate("SetupWindow",
                                           "Enter the IMAP server's host name, or do not keep a copy in Sent.");
    if (hasControlCharacters(host) || host.contains(QLatin1Char(' ')) || host.contains(QLatin1Char('/')) ||
        host.contains(QLatin1Char('@')))
        return QCoreApplication::translate("SetupWindow", "The IMAP host name is not valid.");
    if (imapPort < 0 || imapPort > 65535)
        return QCoreApplication::translate("SetupWindow", "The IMAP port must be between 1 and 65535.");
    if (imapSecurity == QLatin1String("none") && !isLoopback(host))
        return QCoreApplication::translate(
            "SetupWindow", "An IMAP connection without encryption is allowed only to this computer (localhost): "
                           "choose TLS or STARTTLS.");
    if (imapUser.trimmed().isEmpty() || hasControlCharacters(imapUser))
        return QCoreApplication::translate("SetupWindow", "Enter the IMAP user name.");
    return {};
}

} // namespace setup
