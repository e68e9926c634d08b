#pragma once
// The contact client's own configuration: which address book and which mail account. It lives in
// its own section of the settings store, apart from the bar's settings.

#include <QString>

class SettingsStore;

namespace contactclient {

inline const QString kClientApplication = QStringLiteral("Quintel");
inline const QString kClientSection = QStringLiteral("ContactClient");

// Keys of the section. Passwords live in the desktop's keyring (service "Quintel"); SmtpPassword
// is read from the file only when the user put it there.
namespace key {
inline const QString Backend =
    QStringLiteral("Backend");                          // "vcard" (default), "carddav", "thunderbird", "eds" or "ldap"
inline const QString Books = QStringLiteral("Books");   // several books in order (books/bookconfig.h)
inline const QString Folder = QStringLiteral("Folder"); // vCard folder; default ~/.local/share/contacts
inline const QString CardDavUrl = QStringLiteral("CardDavUrl"); // server or address-book URL
inline const QString CardDavUser = QStringLiteral("CardDavUser");
inline const QString CardDavAddressBook = QStringLiteral("CardDavAddressBook"); // chosen address book (URL path)
inline const QString EdsBooks = QStringLiteral("EdsBooks");     // desktop books by UID or name, ";" between; empty: all
inline const QString LdapUrl = QStringLiteral("LdapUrl");       // ldaps://host or ldap://host (StartTLS)
inline const QString LdapBaseDn = QStringLiteral("LdapBaseDn"); // where the search starts
inline const QString LdapFilter = QStringLiteral("LdapFilter"); // default: people and groups
inline const QString LdapBindDn = QStringLiteral("LdapBindDn"); // empty: anonymous
inline const QString LdapCaFile = QStringLiteral("LdapCaFile"); // company CA certificates (PEM)
inline const QString LdapStartTls =
    QStringLiteral("LdapStartTls"); // "yes": StartTLS also to this computer (always elsewhere)
inline const QString MailTransport = QStringLiteral("MailTransport"); // "sendmail" (default), "smtp" or "folder"
inline const QString MailFolder = QStringLiteral("MailFolder");       // folder transport: where .eml files go
inline const QString SendmailPath = QStringLiteral("SendmailPath");   // default /usr/sbin/sendmail
inline const QString SmtpHost = QStringLiteral("SmtpHost");
inline const QString SmtpPort = QStringLiteral("SmtpPort");
inline const QString SmtpSecurity =
    QStringLiteral("SmtpSecurity"); // "tls" (smtps), "starttls"; "none" only to loopback
inline const QString SmtpUser = QStringLiteral("SmtpUser");
inline const QString SmtpPassword = QStringLiteral("SmtpPassword");
inline const QString MailFrom = QStringLiteral("MailFrom");         // sender address
inline const QString MailFromName = QStringLiteral("MailFromName"); // sender's display name
} // namespace key

// Reads one key of the section; the default when it is missing.
QString clientSetting(const SettingsStore& store, const QString& key, const QString& defaultValue = {});

} // namespace contactclient
