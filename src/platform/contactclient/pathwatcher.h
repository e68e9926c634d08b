#pragma once
// Watches folders and files of an address book and says once that they changed, after a short
// quiet spell: a sync that writes a thousand files is one change, not a thousand. A path that
// vanishes is watched for through its nearest existing parent folder, so its return is noticed.
// The folders above a path are watched too, and the path itself looked at now and then: a parent
// folder renamed or a disk unmounted takes the path away without a word to the path's own watch.
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
    // checkMs: how often the paths are looked at for a change no watch reports.
    explicit PathWatcher(int quietMs = 250, int maxDelayMs = 2000, QObject* parent = nullptr, int checkMs = 5000);

    // Replaces the watched paths. Thread-safe: from another thread it is queued to this one.
    void setPaths(const QStringList& paths);
    QStringList paths() const { return m_wanted; }

signals:
    void changed();

private:
    // What stands at a path: whether it exists, and which file it is.
    struct Identity {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        bool operator==(const Identity&) const = default;
    };
    static Identity identityOf(const QString& path);
    QList<Identity> identities() const;

    void apply();
    void touched(const QString& path);
    void check();
    void fire();

    QFileSystemWatcher m_watcher;
    QTimer m_quiet;
    QTimer m_longest;
    QTimer m_check;
    QStringList m_wanted;
    QStringList m_direct;         // the paths (or their nearest existing parents) watched themselves
    QList<Identity> m_identities; // of m_wanted, when last applied
};

} // namespace contactclient
