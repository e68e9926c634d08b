#pragma once
// One Thunderbird address book (abook.sqlite or abook-N.sqlite) as a back-end store. The database
// is opened read-only for each read and closed again: Thunderbird keeps it in WAL mode while it
// runs, where a reader never blocks it, and nothing here ever writes to it. EntryID is the card's
// or the mailing list's uid.

#include "contactclient/store.h"
#include "contactclient/vcard/vcardfolder.h"

namespace contactclient {

class PathWatcher;

class ThunderbirdBookStore : public Store {
public:
    explicit ThunderbirdBookStore(QString databaseFile);
    ~ThunderbirdBookStore() override;

    void open() override;
    // The items as last read; read again when the database (or its write-ahead log) changed.
    std::shared_ptr<ItemSet> items() override;
    std::shared_ptr<ContactItem> itemFromId(const QString& entryId) override;
    QString statusNote() const override;
    // Watches the database and its write-ahead log from the first call on (UI thread).
    StoreNotifier* notifier() const override;

    QString databaseFile() const { return m_file; }

private:
    QString fileSignature() const;
    QString m_file;
    std::shared_ptr<const FolderSnapshot> m_snapshot;
    QString m_signature;
    int m_unreadable = 0;
    mutable std::unique_ptr<StoreNotifier> m_notifier;
    mutable std::unique_ptr<PathWatcher> m_watcher;
};

} // namespace contactclient
