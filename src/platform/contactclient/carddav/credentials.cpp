#include "credentials.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QHash>
#include <QTimer>

#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace contactclient::carddav {
namespace {

constexpr int kKeyringWaitMs = 15000;

class SystemKeyring : public Keyring {
public:
    Result read(const QString& key) override
    {
        QKeychain::ReadPasswordJob job(kKeyringService);
        job.setAutoDelete(false);
        job.setKey(key);
        if (!run(job))
            return {Status::Unavailable, {}, QStringLiteral("the keyring did not answer")};
        switch (job.error()) {
        case QKeychain::NoError:
            return {Status::Found, job.textData(), {}};
        case QKeychain::EntryNotFound:
            return {Status::NotFound, {}, {}};
        default:
            return {Status::Unavailable, {}, job.errorString()};
        }
    }
    bool write(const QString& key, const QString& password) override
    {
        QKeychain::WritePasswordJob job(kKeyringService);
        job.setAutoDelete(false);
        job.setKey(key);
        job.setTextData(password);
        return run(job) && job.error() == QKeychain::NoError;
    }

private:
    static bool run(QKeychain::Job& job)
    {
        QEventLoop loop;
        bool done = false;
        QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
            done = true;
            loop.quit();
        });
        QTimer::singleShot(kKeyringWaitMs, &loop, &QEventLoop::quit);
        job.start();
        if (!done)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        return done;
    }
};

class DefaultPrompt : public PasswordPrompt {
public:
    std::optional<QString> askPassword(const QString& account, const QString& reason) override
    {
        Q_UNUSED(reason);
        if (isatty(STDIN_FILENO) && isatty(STDERR_FILENO))
            return askOnTerminal(account);
        return std::nullopt;
    }

private:
    static std::optional<QString> askOnTerminal(const QString& account)
    {
        std::fprintf(stderr, "Password for the address book %s: ", qPrintable(account));
        std::fflush(stderr);
        termios saved{};
        const bool canHide = tcgetattr(STDIN_FILENO, &saved) == 0;
        if (canHide) {
            termios quiet = saved;
            quiet.c_lflag &= ~tcflag_t(ECHO);
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
        }
        char buffer[1024];
        const bool got = std::fgets(buffer, sizeof buffer, stdin) != nullptr;
        if (canHide)
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputc('\n', stderr);
        if (!got)
            return std::nullopt;
        QString password = QString::fromLocal8Bit(buffer);
        while (password.endsWith(QLatin1Char('\n')) || password.endsWith(QLatin1Char('\r')))
            password.chop(1);
        return password;
    }
};

struct Session {
    std::shared_ptr<Keyring> keyring;
    QHash<QString, QString> passwords; // passwords given in this session, by keyring key
    QHash<QString, bool> fromUser;     // the password was typed, not read from the keyring
    bool keyringThere = false;
};

Session& session()
{
    static Session s;
    return s;
}

std::shared_ptr<Keyring> keyring()
{
    Session& s = session();
    if (!s.keyring)
        s.keyring = createSystemKeyring();
    return s.keyring;
}

std::optional<QString> ask(PasswordPrompt* prompt, const QString& account)
{
    if (prompt)
        return prompt->askPassword(account, QString());
    return createDefaultPrompt()->askPassword(account, QString());
}

} // namespace

std::unique_ptr<Keyring> createSystemKeyring()
{
    return std::make_unique<SystemKeyring>();
}

std::unique_ptr<PasswordPrompt> createDefaultPrompt()
{
    return std::make_unique<DefaultPrompt>();
}

QString storedPassword(const QString& key)
{
    const Keyring::Result stored = keyring()->read(key);
    return stored.status == Keyring::Status::Found ? stored.password : QString();
}

void setKeyring(std::shared_ptr<Keyring> replacement)
{
    Session& s = session();
    s.keyring = std::move(replacement);
    s.passwords.clear();
    s.fromUser.clear();
}

QString keyringKey(const QString& user, const QString& host)
{
    return QStringLiteral("carddav:%1@%2").arg(user, host);
}

std::optional<QString> passwordFor(PasswordPrompt* prompt, const QString& user, const QString& host, QString* why,
                                   const QString& olderKey)
{
    return passwordForKey(prompt, keyringKey(user, host), user + QLatin1Char('@') + host, why, olderKey);
}

std::optional<QString> passwordForKey(PasswordPrompt* prompt, const QString& key, const QString& account, QString* why,
                                      const QString& olderKey)
{
    Session& s = session();
    if (const auto it = s.passwords.constFind(key); it != s.passwords.cend())
        return *it;

    Keyring::Result stored = keyring()->read(key);
    if (stored.status == Keyring::Status::NotFound && !olderKey.isEmpty() && olderKey != key) {
        const Keyring::Result older = keyring()->read(olderKey);
        if (older.status == Keyring::Status::Found)
            stored = older;
    }
    s.keyringThere = stored.status != Keyring::Status::Unavailable;
    if (stored.status == Keyring::Status::Found) {
        s.passwords.insert(key, stored.password);
        s.fromUser.insert(key, false);
        return stored.password;
    }
    const bool saysWhy = !stored.error.isEmpty() && stored.error != QStringLiteral("Unknown error");
    const QString reason = stored.status == Keyring::Status::NotFound
                               ? QStringLiteral("The desktop keyring holds no password for %1.").arg(key)
                               : QStringLiteral("No desktop keyring answers%1.")
                                     .arg(saysWhy ? QStringLiteral(" (%1)").arg(stored.error) : QString());
    const std::optional<QString> answer = ask(prompt, account);
    if (!answer) {
        if (why)
            *why = reason + QStringLiteral(" No password was given for %1. Keep it in the desktop keyring (service "
                                           "\"%2\", key \"%3\") or enter it when asked.")
                                .arg(account, kKeyringService, key);
        return std::nullopt;
    }
    s.passwords.insert(key, *answer);
    s.fromUser.insert(key, true);
    return answer;
}

void passwordAccepted(const QString& user, const QString& host, const QString& password)
{
    passwordAcceptedForKey(keyringKey(user, host), password);
}

void passwordAcceptedForKey(const QString& key, const QString& password)
{
    Session& s = session();
    s.passwords.insert(key, password);
    if (s.fromUser.value(key) && s.keyringThere && keyring()->write(key, password))
        s.fromUser.insert(key, false);
}

void passwordRefused(const QString& user, const QString& host)
{
    passwordRefusedForKey(keyringKey(user, host));
}

void passwordRefusedForKey(const QString& key)
{
    Session& s = session();
    s.passwords.remove(key);
    s.fromUser.remove(key);
}

} // namespace contactclient::carddav
