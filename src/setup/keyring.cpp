#include "keyring.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QTimer>

namespace setup {
namespace {

constexpr int kAnswerMilliseconds = 10000;

// Runs a keychain job to its end; returns its error text, empty on success.
QString run(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(kAnswerMilliseconds, &loop, &QEventLoop::quit);
    job.start();
    if (!finished)
        loop.exec();
    if (!finished)
        return QStringLiteral("The keyring did not answer.");
    if (job.error() == QKeychain::NoError)
        return {};
    if (job.error() == QKeychain::EntryNotFound)
        return QStringLiteral("The keyring holds no password for this account.");
    if (job.error() == QKeychain::NoBackendAvailable)
        return QStringLiteral("No keyring is available (Secret Service or KWallet): %1").arg(job.errorString());
    return QStringLiteral("The keyring refused: %1").arg(job.errorString());
}

} // namespace

QString cardDavPasswordKey(const QString& user, const QString& url)
{
    return QStringLiteral("carddav:%1@%2").arg(user, url);
}

QString smtpPasswordKey(const QString& user, const QString& host)
{
    return QStringLiteral("smtp:%1@%2").arg(user, host);
}

QString DesktopKeyring::writePassword(const QString& key, const QString& password)
{
    QKeychain::WritePasswordJob job(kKeyringService);
    job.setKey(key);
    job.setTextData(password);
    return run(job);
}

QString DesktopKeyring::readPassword(const QString& key, QString& password)
{
    QKeychain::ReadPasswordJob job(kKeyringService);
    job.setKey(key);
    const QString error = run(job);
    if (error.isEmpty())
        password = job.textData();
    return error;
}

QString DesktopKeyring::deletePassword(const QString& key)
{
    QKeychain::DeletePasswordJob job(kKeyringService);
    job.setKey(key);
    return run(job);
}

} // namespace setup
