#pragma once
// Reading a folder of .vcf files into light per-item records: what the lists need (type, names,
// categories) and where each card lies, never the parsed cards themselves.

#include "contactclient/vcard/folderscan.h"
#include "mixedtexts.h"
#include "packedtexts.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <future>
#include <memory>
#include <utility>
#include <vector>

namespace contactclient {

// A file of the folder; its name is the snapshot's (FolderSnapshot::fileName).
struct VCardFile {
    // What the file was when it was read (see FileStamp); inode 0 when it could not be read.
    qint64 size = 0;
    qint64 mtimeNs = 0;
    qint64 ctimeNs = 0;
    quint64 inode = 0;
    int cards = 0;         // cards seen, readable or not
    quint32 firstItem = 0; // its items in FolderSnapshot::items
    quint32 itemCount = 0;
    bool converted = false; // read as UTF-16: byte offsets do not match the file

    FileStamp stamp() const { return {size, mtimeNs, ctimeNs, inode}; }
};

// One record per contact of a folder: 100,000 of them are most of what the bar holds, so the record
// is kept small (its names in the snapshot's texts; the card's place as 32 bits: a file is at most
// kMaxFileSize, and one converted from UTF-16 at most half as large again; the categories as the
// number of their set).
struct ItemRecord {
    quint32 offset = 0;
    quint32 length = 0;
    quint32 file = 0;
    qint32 card = 0;        // 1-based position in the file
    quint32 categories = 0; // its folded categories: FolderSnapshot::categorySets[categories]
    bool group = false;
};

// The distinct sets of folded categories the items of a snapshot carry, each held once: a book has
// few (most contacts carry one of a handful of sets). Set 0 is the empty one.
class CategorySets {
public:
    CategorySets() : m_sets(1) {}

    // The number of the set, added when it is new.
    quint32 intern(const QStringList& folded);
    const QStringList& at(quint32 set) const { return m_sets[set]; }
    quint32 count() const { return static_cast<quint32>(m_sets.size()); }

private:
    std::vector<QStringList> m_sets;
    QHash<QStringList, quint32> m_numbers;
};

// A card or file that could not be read. card is 0 when the whole file is concerned.
struct SkippedItem {
    QString file;
    int card = 0;
    QString reason;
    int count = 1; // the cards it stands for (the unread rest of a large file: all of them)
    QString text() const;
};

// The folder's files in file-name order (QString::compare) and their records in the same order.
struct FolderSnapshot {
    QString folder;
    qint64 folderMtimeNs = 0;
    quint64 folderDevice = 0;
    quint64 folderInode = 0;
    qint64 readStartNs = 0; // when the reading of the files began (the files' stamps are judged by it)
    // Drawn at random for every snapshot a read makes and kept with its summary: two snapshots
    // with one generation hold the same records. {0, 0} for snapshots made otherwise.
    std::pair<quint64, quint64> generation{0, 0};
    std::vector<VCardFile> files;
    MixedTexts fileNames; // files[i]'s name is fileNames.view(i): most names are ASCII, one byte a letter
    std::vector<ItemRecord> items;
    // Item i's file-as name is texts.view(2 * i), its full name texts.view(2 * i + 1).
    PackedTexts texts;
    // Item i's other fields to be found by (contactclient/searchfields.h) are fields.at(i): mostly
    // Latin-1, so kept one byte a letter where they can be.
    MixedTexts fields;
    CategorySets categorySets;
    QList<SkippedItem> skipped;
    // The places in files in the order the folder listed the files: listed again unchanged, the
    // folder's names are matched to the files without a search.
    std::vector<quint32> listingOrder;
    // Filled by back-ends whose files are not in name order; a vCard folder's snapshot leaves it
    // empty and finds its files by findFile.
    QHash<QString, quint32> fileIndex;

    QString entryId(const ItemRecord& item) const;
    QAnyStringView fileName(size_t file) const { return fileNames.view(qsizetype(file)); }
    // Adds a file at the end with its name.
    void addFile(const VCardFile& file, QAnyStringView name);
    // The names of items[i].
    QStringView fileAs(size_t i) const { return texts.view(2 * qsizetype(i)); }
    QStringView fullName(size_t i) const { return texts.view(2 * qsizetype(i) + 1); }
    QString searchFields(size_t i) const { return fields.at(qsizetype(i)); }
    // Adds an item at the end with its names and the other fields it is found by.
    void addItem(const ItemRecord& item, QStringView fileAs, QStringView fullName, QStringView searchFields = {});
    const QStringList& foldedCategories(const ItemRecord& item) const { return categorySets.at(item.categories); }
    // The place of the file in files, found in name order; -1 when there is none.
    qint64 findFile(QAnyStringView name) const;
};

// Files larger than this are not read.
inline constexpr qint64 kMaxFileSize = 256LL * 1024 * 1024;

// Whether a directory entry is one of the address book's files: *.vcf, not hidden.
bool isVCardFileName(const QString& name);

// The folder's modification time in nanoseconds; -1 when it cannot be read.
qint64 folderMtime(const QString& folder);

// Reads every .vcf file of the folder, in parallel. Throws AutomationError (errStoreUnavailable)
// when the folder cannot be listed.
std::shared_ptr<const FolderSnapshot> readFolder(const QString& folder);

struct ReadStats {
    size_t filesRead = 0;   // read from their bytes
    size_t filesKept = 0;   // taken over from the earlier snapshot
    bool unchanged = false; // the earlier snapshot itself was returned: nothing differs
};

// The same, taking over from an earlier snapshot of the same folder every file whose stamp shows
// it unchanged (stampHolds); the rest is read. An earlier snapshot of another folder, or of a
// folder since replaced, is not used. When nothing differs, earlier itself is returned.
// followLinks: a card that is a symbolic link to a regular file is read through it (the user's
// own address book); without it such a card is skipped (the program's private copies).
std::shared_ptr<const FolderSnapshot> readFolder(const QString& folder, std::shared_ptr<const FolderSnapshot> earlier,
                                                 ReadStats* stats = nullptr, bool followLinks = false);
// The same with the earlier snapshot still on its way (a summary being loaded): the folder is
// listed and its files stamped meanwhile. An invalid future: no earlier snapshot.
std::shared_ptr<const FolderSnapshot> readFolder(const QString& folder,
                                                 std::future<std::shared_ptr<const FolderSnapshot>> earlier,
                                                 ReadStats* stats = nullptr, bool followLinks = false);

// "name.vcf" or "name.vcf#3" → file name and card position (1 when there is none). False when the
// text cannot name a file of the folder.
bool parseEntryId(const QString& entryId, QString& fileName, int& card);

} // namespace contactclient
