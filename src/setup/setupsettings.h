#pragma once
// What the set-up window edits: the contact client's own section of the settings store. Nothing
// else is read or written here; passwords go to the keyring, never to this section.

#include <QString>
#include <QStringList>

class SettingsStore;

namespace setup {

struct SetupSettings {
    enum class AddressBook { VCardFolder, CardDav, Eds, Ldap };
    enum class Mail { Sendmail, Smtp, Folder, Client };

    AddressBook addressBook = AddressBook::VCardFolder;
    QString folder; // empty: the default folder
    QString cardDavUrl;
    QString cardDavUser;
    QString cardDavAddressBook; // kept as it was: the CardDAV back-end chooses it
    QStringList books;          // Books entries, in order; when there are any they are read instead
    QString edsBooks;           // the desktop's books by UID, ";" between; empty: all
    // The company directory. The filter, the CA file and StartTLS on this computer are set in the
    // file by hand; they are only read here, for "Test connection".
    QString ldapUrl; // ldaps://host or ldap://host
    QString ldapBaseDn;
    QString ldapBindDn; // empty: anonymous
    QString ldapFilter;
    QString ldapCaFile;
    bool ldapStartTlsHere = false;

    Mail mail = Mail::Sendmail;
    QString mailFolder;   // the folder transport (tests, the demo): where .eml files go
    QString sendmailPath; // empty: the default sendmail
    QString smtpHost;
    int smtpPort = 0;                                  // 0: the default port of the security
    QString smtpSecurity = QStringLiteral("starttls"); // "tls", "starttls" or "none"
    QString smtpUser;
    QString mailFrom;
    QString mailFromName;
    QString smtpCaFile; // extra trusted certificates; set in the file by hand, only read here

    // A copy of each mail sent through SMTP in the Sent folder of an IMAP account.
    bool saveSentCopy = false;
    QString imapHost;
    int imapPort = 0;                             // 0: the default port of the security
    QString imapSecurity = QStringLiteral("tls"); // "tls", "starttls" or "none"
    QString imapUser;
    QString imapCaFile; // set in the file by hand, only read here

    static SetupSettings load(const SettingsStore& store);
    // Writes the keys of the section that the window owns. Throws contactclient::AutomationError
    // when the store cannot be written.
    void save(SettingsStore& store) const;

    // The first problem that stops saving, in words for the user; empty when all is well.
    QString problem() const;
    // The first problem of the IMAP account; empty when it can be used.
    QString imapProblem() const;
    // The first problem of the company directory's account; empty when it can be used.
    QString ldapProblem() const;

    // The port used when smtpPort is 0.
    static int defaultPort(const QString& security);
    int effectivePort() const { return smtpPort > 0 ? smtpPort : defaultPort(smtpSecurity); }
    static int defaultImapPort(const QString& security) { return security == QLatin1String("tls") ? 993 : 143; }
    int effectiveImapPort() const { return imapPort > 0 ? imapPort : defaultImapPort(imapSecurity); }
};

// True when the text is a plain mail address (local@domain, no spaces, no control characters).
bool isMailAddress(const QString& text);

} // namespace setup
