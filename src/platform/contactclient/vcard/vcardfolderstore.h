#pragma once
// The vCard folder back-end: a folder of .vcf files (vdir layout).

#include "contactclient/store.h"
#include "contactclient/vcard/summarycache.h"
#include "contactclient/vcard/vcardfolder.h"
#include "safefile.h"

#include <atomic>
#include <mutex>
#include <optional>

class SettingsStore;

namespace contactclient {

class PathWatcher;
class SummaryWriter;
struct VCardWriter;

class VCardFolderStore : public Store {
public:
    // The folder's summary is kept in summaries (the user's cache folder unless told otherwise);
    // with std::nullopt there is none and every start reads every card.
    explicit VCardFolderStore(QString folder, std::optional<SummaryCache> summaries = SummaryCache::standard());
    // Waits for a summary being written.
    ~VCardFolderStore() override;

    // Reads the folder: from its summary what is unchanged since, the rest from the files. A
    // missing folder is created only for a store told so (the program's own copies); a user's
    // folder that does not exist leaves the store empty with a note, and is read when it appears.
    void open() override;
    // The items as last read; the folder is looked at again when its listing changed since (or the
    // watcher saw a change), and only the files that changed are read again.
    std::shared_ptr<ItemSet> items() override;
    std::shared_ptr<ContactItem> itemFromId(const QString& entryId) override;
    QString statusNote() const override;
    // Watches the folder from the first call on (on the calling thread, the UI thread): changes
    // on disk emit changed() once after a short quiet spell.
    StoreNotifier* notifier() const override;

    // A user's folder is written back to: its items can be changed, new contacts added. A folder
    // that is a copy of another book is made read-only, with the text that says where to change it.
    void setReadOnly(const QString& reason);
    bool writable() const override;
    QString readOnlyReason() const override;

    QString folder() const { return m_folder; }
    // The folder is read again at the next look, whatever its time stamp says (a change this
    // program made itself).
    void markStale() { m_stale->store(true); }
    // Cards that are symbolic links to regular files are read through them: the user's own
    // address book (a folder of links kept by git-annex, stow or a collection of links). The
    // program's private copies refuse them (the default).
    void setFollowLinks(bool follow) { m_followLinks = follow; }
    // open() creates the folder when it is missing (the program's private copies, never a user's
    // address book: a mistyped path would become an empty book without a word).
    void setCreateMissing(bool create) { m_createMissing = create; }
    // The folder did not exist, or no longer does, when it was last looked at.
    bool folderMissing() const { return !m_missingNote.isEmpty(); }
    // Cards and files the last read skipped, with the reasons.
    QList<SkippedItem> skipped() const;

protected:
    std::shared_ptr<ContactItem> createItem(const QString& book) override;

private:
    std::shared_ptr<const FolderSnapshot> snapshot();
    // Reads the folder, taking over from earlier what is unchanged; the summary is written anew
    // when anything changed.
    void read(std::shared_ptr<const FolderSnapshot> earlier);
    void read(std::future<std::shared_ptr<const FolderSnapshot>> earlier);
    // No contacts and the note until the folder is there again.
    void becomeMissing(const QString& note);
    // The file's data as UTF-8; a file converted from UTF-16 is kept until another one is.
    QByteArray decodedFile(int fd, const QString& name, const safefile::FileInfo& info);

    QString m_folder;
    bool m_followLinks = false;
    bool m_createMissing = false;
    std::shared_ptr<const FolderSnapshot> m_snapshot;
    qint64 m_folderMtimeNs = -1; // the folder's time when the snapshot was read
    std::shared_ptr<SummaryWriter> m_summaries;
    struct Decoded {
        QString name;
        qint64 size = -1;
        qint64 mtimeNs = -1;
        QByteArray data;
    };
    std::mutex m_decodedLock;
    Decoded m_decoded;
    QString m_missingNote; // the folder is not there: why the bar is empty
    // Set by the watcher: read the folder again even when its time stamp looks the same (two
    // changes within one tick of the file system's clock leave it unchanged).
    std::shared_ptr<std::atomic<bool>> m_stale = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<VCardWriter> m_writer; // null when read-only
    QString m_readOnlyReason;
    mutable std::unique_ptr<StoreNotifier> m_notifier;
    mutable std::unique_ptr<PathWatcher> m_watcher;
};

// The folder a settings store names in the contact client's section (key "Folder"), else
// ~/.local/share/contacts.
QString vcardFolderFromSettings(const SettingsStore& settings);

std::shared_ptr<Store> createVCardFolderStore(const SettingsStore& settings);
// A read-only store of a folder that copies another book (a CardDAV account, an LDAP directory).
std::shared_ptr<Store> createVCardFolderStore(const QString& folder);

} // namespace contactclient
