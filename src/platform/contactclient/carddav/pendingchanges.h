#pragma once
// Changes to contacts of a CardDAV address book that the server could not take when they were
// made: kept in the copy's folder (.quintel-pending.json, readable by its owner only, replaced
// atomically and synced to disk as soon as a change is kept) and sent in their order when the
// server answers again, with the same If-Match check they would have had.

#include <QByteArray>
#include <QList>
#include <QString>

namespace contactclient::carddav {

struct PendingChange {
    enum Kind { Change, Add, Remove };
    Kind kind = Change;
    QString href;    // the card's decoded path on the server
    QString etag;    // Change, Remove: the server's ETag the change was made on (If-Match)
    QByteArray card; // Change, Add: the card to put
    QString name;    // the contact's name, for what the user is told

    bool operator==(const PendingChange&) const = default;
};

// A change added behind the ones waiting: one change per card, the latest state of it. A second
// change of a card keeps the first one's ETag (the server has seen neither); removing a card
// that was never sent drops it.
void mergePending(QList<PendingChange>& queue, PendingChange change);

class PendingChanges {
public:
    explicit PendingChanges(QString folder);

    // The changes waiting; none when the file is missing. A file that cannot be read as a queue is
    // moved aside (kDamagedFile), never written over, and reads as none.
    QList<PendingChange> load() const;
    // Keeps the queue (an empty one removes the file). Throws AutomationError(errNotWritten).
    void save(const QList<PendingChange>& queue) const;
    // How many changes wait in the folder.
    static int count(const QString& folder);

    static inline const QString kFile = QStringLiteral(".quintel-pending.json");
    static inline const QString kDamagedFile = QStringLiteral(".quintel-pending-damaged.json");

private:
    QString m_folder;
};

} // namespace contactclient::carddav
