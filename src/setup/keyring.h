#pragma once
// Passwords of the address book and the mail account, kept in the desktop's keyring (Secret
// Service or KWallet through QtKeychain), service "Quintel". Never in the settings file.

#include <QString>

namespace setup {

inline const QString kKeyringService = QStringLiteral("Quintel");

// The keyring entries: one per account.
QString cardDavPasswordKey(const QString& user, const QString& url);
QString smtpPasswordKey(const QString& user, const QString& host);

class Keyring {
public:
    virtual ~Keyring() = default;
    // Each returns an error text, empty on success.
    virtual QString writePassword(const QString& key, const QString& password) = 0;
    virtual QString readPassword(const QString& key, QString& password) = 0;
    virtual QString deletePassword(const QString& key) = 0;
};

// The desktop's keyring. Each call waits for the keyring's answer (at most a few seconds).
class DesktopKeyring : public Keyring {
public:
    QString writePassword(const QString& key, const QString& password) override;
    QString readPassword(const QString& key, QString& password) override;
    QString deletePassword(const QString& key) override;
};

} // namespace setup
