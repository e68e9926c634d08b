#include "pathwatcher.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace

PathWatcher::PathWatcher(int quietMs, int maxDelayMs, QObject* parent) : QObject(parent)
{
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
        },
        Qt::AutoConnection);
}

void PathWatcher::apply()
{
    QStringList wanted;
    for (const QString& p : std::as_const(m_wanted)) {
        const QString w = watchablePath(p);
        if (!w.isEmpty() && !wanted.contains(w))
            wanted.append(w);
    }
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

void PathWatcher::touched()
{
    // A path that vanished or came back changes what can be watched.
    apply();
    m_quiet.start();
    if (!m_longest.isActive())
        m_longest.start();
}

void PathWatcher::fire()
{
    m_quiet.stop();
    m_longest.stop();
    apply();
    emit changed();
}

} // namespace contactclient
