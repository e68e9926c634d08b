#pragma once
// Passwords of the address book and the mail account, kept in the desktop's keyring (Secret
// Service or KWallet, service "Quintel"), never in the settings file. The keyring itself is the
// CardDAV back-end's; the keys are the ones the back-ends look the passwords up by.

#include <QString>

namespace setup {

// The keyring entries: one per account. The CardDAV one is keyed by the server's host name.
QString cardDavPasswordKey(const QString& user, const QString& url);
QString smtpPasswordKey(const QString& user, const QString& host);
QString imapPasswordKey(const QString& user, const QString& host);
// The company directory's: by bind DN and the server's host name.
QString ldapPasswordKey(const QString& bindDn, const QString& url);

class Keyring {
public:
    virtual ~Keyring() = default;
    // Each returns an error text, empty on success.
    virtual QString writePassword(const QString& key, const QString& password) = 0;
    virtual QString readPassword(const QString& key, QString& password) = 0;
};

// The desktop's keyring. Each call waits for the keyring's answer (at most a few seconds).
class DesktopKeyring : public Keyring {
public:
    QString writePassword(const QString& key, const QString& password) override;
    QString readPassword(const QString& key, QString& password) override;
};

} // namespace setup
