#include "singleinstance.h"

#include "app/frmmain.h"
#include "window/activation.h"
#include "window/trayicon.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

#include <algorithm>

namespace {

// "activate", then a space and the launch's activation token when it has one.
const QByteArray kActivate = "activate";
const QByteArray kDone = "ok\n";

// How long a later start tries to reach the running bar: the bar may have just taken the lock and
// not yet be listening.
constexpr int kReachMilliseconds = 3000;

// Tokens are short printable text; anything else is not passed on.
QByteArray activateLine()
{
    const QByteArray token = activation::launchToken().toUtf8();
    const bool printable =
        token.size() <= 512 && std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c != 0x7f; });
    QByteArray line = kActivate;
    if (!token.isEmpty() && printable)
        line += ' ' + token;
    return line + '\n';
}

} // namespace

SingleInstance::SingleInstance(const QString& folder, const QString& profile, QObject* parent)
    : QObject(parent), m_folder(folder.isEmpty() ? defaultFolder() : folder)
{
    const QByteArray owner = QDir::cleanPath(profile.isEmpty() ? defaultProfile() : profile).toUtf8();
    m_name = QStringLiteral("quintel-") +
             QString::fromLatin1(QCryptographicHash::hash(owner, QCryptographicHash::Sha1).toHex().left(12));
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::defaultFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return runtime;
    // Without a runtime folder: a folder of our own under the temp folder, one per user.
    const QString own = QDir::tempPath() + QStringLiteral("/quintel-%1").arg(::getuid());
    QDir().mkpath(own);
    QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return own;
}

QString SingleInstance::defaultProfile()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Quintel");
}

QString SingleInstance::lockPath() const
{
    return m_folder + QLatin1Char('/') + m_name + QStringLiteral(".lock");
}

QString SingleInstance::socketPath() const
{
    return m_folder + QLatin1Char('/') + m_name + QStringLiteral(".socket");
}

SingleInstance::Role SingleInstance::start()
{
    m_lock = std::make_unique<QLockFile>(lockPath());
    // A lock only goes stale when the process named in it is gone, never with age: a bar runs for days.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        if (listen())
            return Role::Primary;
        // The bar runs anyway; a later start will not find it, but nothing is lost.
        return Role::Primary;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        m_error = QCoreApplication::translate("frmMain", "The lock file %1 cannot be created.").arg(lockPath());
        return Role::Unreachable;
    }
    if (askRunningInstance())
        return Role::Secondary;
    qint64 pid = 0;
    QString host, app;
    m_lock->getLockInfo(&pid, &host, &app);
    m_error =
        QCoreApplication::translate("frmMain", "Quintel is already running (process %1) but does not answer.").arg(pid);
    return Role::Unreachable;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a crashed bar is ours to remove: we hold the lock.
    QLocalServer::removeServer(socketPath());
    if (!m_server->listen(socketPath())) {
        m_error = m_server->errorString();
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                const QByteArray line = socket->readLine().chopped(1);
                if (line == kActivate || line.startsWith(QByteArray(kActivate + ' '))) {
                    emit activationRequested(QString::fromUtf8(line.mid(kActivate.size() + 1)));
                    socket->write(kDone);
                    socket->flush();
                }
                socket->disconnectFromServer();
            });
        }
    });
    return true;
}

bool SingleInstance::askRunningInstance()
{
    const QDeadlineTimer deadline(kReachMilliseconds);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.write(activateLine());
            socket.flush();
            while (!socket.canReadLine() && socket.waitForReadyRead(int(deadline.remainingTime()))) {
            }
            return socket.canReadLine() && socket.readLine() == kDone;
        }
        QThread::msleep(50);
    }
    return false;
}

void raiseBar(frmMain& form)
{
    // A bar in the tray is also minimized when the window manager sent it there: the tray brings
    // it back, icon and state together.
    if (!form.isVisible() && form.tray()) {
        form.tray()->restoreFromTray();
        if (form.isVisible())
            return;
    }
    if (form.isMinimized())
        form.showNormal();
    form.show();
    form.raise();
    form.activateWindow();
}
