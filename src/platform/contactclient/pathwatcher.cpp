#include "pathwatcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace contactclient {
namespace {

// The path itself when it exists, else its nearest existing parent folder.
QString watchablePath(const QString& path)
{
    QString p = QDir::cleanPath(path);
    while (!p.isEmpty() && !QFileInfo::exists(p)) {
        const QString parent = QFileInfo(p).path();
        if (parent == p)
            return {};
        p = parent;
    }
    return p;
}

// The folders above an existing path, up to the root.
QStringList foldersAbove(const QString& path)
{
    QStringList above;
    QString p = path;
    for (;;) {
        const QString parent = QFileInfo(p).path();
        if (parent == p || parent.isEmpty() || parent == QLatin1String("."))
            return above;
        above.append(parent);
        p = parent;
    }
}

} // namespace

PathWatcher::Identity PathWatcher::identityOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {true, quint64(st.st_dev), quint64(st.st_ino)};
}

QList<PathWatcher::Identity> PathWatcher::identities() const
{
    QList<Identity> out;
    out.reserve(m_wanted.size());
    for (const QString& p : m_wanted)
        out.append(identityOf(p));
    return out;
}

PathWatcher::PathWatcher(int quietMs, int maxDelayMs, QObject* parent, int checkMs) : QObject(parent)
{
    m_check.setInterval(checkMs);
    connect(&m_check, &QTimer::timeout, this, &PathWatcher::check);
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMs);
    m_longest.setSingleShot(true);
    m_longest.setInterval(maxDelayMs);
    connect(&m_quiet, &QTimer::timeout, this, &PathWatcher::fire);
    connect(&m_longest, &QTimer::timeout, this, &PathWatcher::fire);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &PathWatcher::touched);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &PathWatcher::touched);
}

void PathWatcher::setPaths(const QStringList& paths)
{
    QMetaObject::invokeMethod(
        this,
        [this, paths] {
            m_wanted = paths;
            apply();
            if (m_wanted.isEmpty())
                m_check.stop();
            else if (!m_check.isActive())
                m_check.start();
        },
        Qt::AutoConnection);
}

void PathWatcher::apply()
{
    QStringList direct;
    QStringList wanted;
    for (const QString& p : std::as_const(m_wanted)) {
        const QString w = watchablePath(p);
        if (!w.isEmpty() && !direct.contains(w))
            direct.append(w);
    }
    wanted = direct;
    for (const QString& w : std::as_const(direct))
        for (const QString& above : foldersAbove(w))
            if (!wanted.contains(above))
                wanted.append(above);
    m_direct = direct;
    m_identities = identities();

    QStringList current = m_watcher.files() + m_watcher.directories();
    QStringList gone;
    for (const QString& p : std::as_const(current))
        if (!wanted.contains(p))
            gone.append(p);
    if (!gone.isEmpty())
        m_watcher.removePaths(gone);
    QStringList added;
    for (const QString& p : std::as_const(wanted))
        if (!current.contains(p))
            added.append(p);
    if (!added.isEmpty())
        m_watcher.addPaths(added);
}

void PathWatcher::touched(const QString& path)
{
    // A folder above changes with everything beside the path (a home folder does all the time):
    // only a change of what stands at the path counts.
    if (!m_direct.contains(path) && identities() == m_identities)
        return;
    // A path that vanished or came back changes what can be watched.
    apply();
    m_quiet.start();
    if (!m_longest.isActive())
        m_longest.start();
}

void PathWatcher::check()
{
    if (identities() != m_identities)
        touched({});
}

void PathWatcher::fire()
{
    m_quiet.stop();
    m_longest.stop();
    apply();
    emit changed();
}

} // namespace contactclient
