#pragma once
// Watches folders and files of an address book and says once that they changed, after a short
// quiet spell: a sync that writes a thousand files is one change, not a thousand. A path that
// vanishes is watched for through its nearest existing parent folder, so its return is noticed.
// Lives on the thread that created it (the UI thread); paths may be set from any thread.

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace contactclient {

class PathWatcher : public QObject {
    Q_OBJECT

public:
    // quietMs: how long nothing must change before changed() is emitted; maxDelayMs: the longest
    // a steady stream of changes holds it back.
    explicit PathWatcher(int quietMs = 250, int maxDelayMs = 2000, QObject* parent = nullptr);

    // Replaces the watched paths. Thread-safe: from another thread it is queued to this one.
    void setPaths(const QStringList& paths);
    QStringList paths() const { return m_wanted; }

signals:
    void changed();

private:
    void apply();
    void touched();
    void fire();

    QFileSystemWatcher m_watcher;
    QTimer m_quiet;
    QTimer m_longest;
    QStringList m_wanted;
};

} // namespace contactclient
