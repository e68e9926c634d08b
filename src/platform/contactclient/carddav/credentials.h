#pragma once
// Where the CardDAV password comes from: the desktop's keyring (Secret Service or KWallet through
// QtKeychain; service "Quintel", key "carddav:<user>@<host>"), else the user, asked once per session.
// The password is never written to the settings file.

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace contactclient::carddav {

// Asks the user for a password; std::nullopt when the user declines.
class PasswordPrompt {
public:
    virtual ~PasswordPrompt() = default;
    virtual std::optional<QString> askPassword(const QString& account, const QString& reason) = 0;
};

// The desktop's keyring.
class Keyring {
public:
    enum class Status { Found, NotFound, Unavailable };
    struct Result {
        Status status = Status::Unavailable;
        QString password;
        QString error; // why the keyring could not be used
    };
    virtual ~Keyring() = default;
    virtual Result read(const QString& key) = 0;
    virtual bool write(const QString& key, const QString& password) = 0;
};

// The keyring through QtKeychain, waiting at most a bounded time for an answer.
std::unique_ptr<Keyring> createSystemKeyring();
// A no-echo prompt on a terminal, nothing without one. A program with windows hands its own
// prompt (a password dialog) to the stores that ask.
std::unique_ptr<PasswordPrompt> createDefaultPrompt();

// Replace the keyring (tests); nullptr restores the default. Either way the passwords given in
// this session are forgotten, as in a new session.
void setKeyring(std::shared_ptr<Keyring> keyring);

inline const QString kKeyringService = QStringLiteral("Quintel");
QString keyringKey(const QString& user, const QString& host);

// The password of the account: the one given earlier in this session, the keyring's, or the
// answer of the prompt (null: the terminal's default prompt). std::nullopt when there is none (no
// keyring entry and nobody to ask, or the user declined); *why says why.
// olderKey: another keyring key the password may have been stored under (tried second).
std::optional<QString> passwordFor(PasswordPrompt* prompt, const QString& user, const QString& host, QString* why,
                                   const QString& olderKey = {});
// A password kept in the keyring in use under the key, without asking anyone; empty when there is
// none or no keyring.
QString storedPassword(const QString& key);

// The server accepted the password: keep it for the session, and in the keyring when it came
// from the user and a keyring is there.
void passwordAccepted(const QString& user, const QString& host, const QString& password);
// The server refused it: forget it for the session, so that the next logon asks again.
void passwordRefused(const QString& user, const QString& host);

// The same for an account of another kind, kept in the keyring under its own key (for a company
// directory "ldap:<bind DN>@<host>"); account names it when the user is asked.
std::optional<QString> passwordForKey(PasswordPrompt* prompt, const QString& key, const QString& account, QString* why,
                                      const QString& olderKey = {});
void passwordAcceptedForKey(const QString& key, const QString& password);
void passwordRefusedForKey(const QString& key);

} // namespace contactclient::carddav
