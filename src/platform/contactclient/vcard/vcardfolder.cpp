// Longer than 400 lines on purpose: listing the folder, reading its files on worker
// threads, sorting them by name and matching them against the earlier snapshot are one pass over
// the same records, tuned together for the start-up time of a folder of 100,000 cards. Split up,
// each piece would have to expose the reader's private tables to the others.

#include "vcardfolder.h"

#include "allocator.h"
#include "contactclient/errors.h"
#include "contactclient/vcard/contactmapping.h"
#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <functional>
#include <future>
#include <string>
#include <string_view>
#include <thread>
#include <type_traits>

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace contactclient {
namespace {

qint64 mtimeOf(const struct stat& st)
{
    return qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool isAscii(const char* text, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

// The folder's files: their names as shown, and the bytes that open each (NUL-terminated, one
// after the other in one buffer).
struct FolderListing {
    std::vector<std::pair<size_t, QString>> wideNames; // the names that are not ASCII, by place
    std::vector<quint32> bytesAt;
    std::string bytes;

    size_t size() const { return bytesAt.size(); }
    const char* nameBytes(size_t i) const { return bytes.data() + bytesAt[i]; }
    // The name decoded from other than ASCII bytes; null for an ASCII name.
    const QString* wideName(size_t i) const
    {
        const auto it = std::lower_bound(wideNames.begin(), wideNames.end(), i,
                                         [](const std::pair<size_t, QString>& w, size_t at) { return w.first < at; });
        return it != wideNames.end() && it->first == i ? &it->second : nullptr;
    }
    QLatin1StringView asciiName(size_t i) const
    {
        const size_t end = i + 1 < bytesAt.size() ? bytesAt[i + 1] - 1 : bytes.size() - 1;
        return QLatin1StringView(nameBytes(i), qsizetype(end - bytesAt[i]));
    }
    QString name(size_t i) const
    {
        const QString* wide = wideName(i);
        return wide ? *wide : QString(asciiName(i));
    }
    bool sameName(size_t i, QAnyStringView name) const
    {
        const QString* wide = wideName(i);
        return wide ? QAnyStringView::compare(*wide, name) == 0 : QAnyStringView::compare(asciiName(i), name) == 0;
    }
    qint64 findIn(const FolderSnapshot& snapshot, size_t i) const
    {
        const QString* wide = wideName(i);
        return wide ? snapshot.findFile(QStringView(*wide)) : snapshot.findFile(asciiName(i));
    }
};

// The names of the folder's files (symbolic links to files included). The entry's type from
// readdir saves the stat per entry that QDir::entryList makes: in a folder of 10,000 cards that
// was a fifth of the start-up's own work. Names that cannot be .vcf files are passed over early.
// An ASCII name reads the same in any encoding, so its bytes are kept for opening the file and
// only other names go through the file-name codec both ways. The folder's own size (its entries'
// bytes, on the usual file systems) sets aside the room at once: growing 100,000 names step by
// step copied them over and over. Room never used costs no memory.
FolderListing listFiles(const QString& folder)
{
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        throw AutomationError(
            errStoreUnavailable,
            QStringLiteral("The address book folder \"%1\" cannot be read: %2").arg(folder, systemError(errno)));
    FolderListing listing;
    struct stat folderInfo {};
    if (::fstat(::dirfd(dir), &folderInfo) == 0 && folderInfo.st_size > 0) {
        const auto bytes = size_t(std::min<qint64>(folderInfo.st_size, 256LL * 1024 * 1024));
        listing.bytesAt.reserve(bytes / 16);
        listing.bytes.reserve(bytes);
        allocator::preferHugePagesFor(listing.bytesAt);
        allocator::preferHugePagesFor(listing.bytes);
    }
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        const std::size_t length = std::strlen(name);
        if (length <= 4 || name[0] == '.' || ::strcasecmp(name + length - 4, ".vcf") != 0)
            continue;
        bool file = entry->d_type == DT_REG;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat st {};
            file = ::fstatat(::dirfd(dir), name, &st, 0) == 0 && S_ISREG(st.st_mode);
        }
        if (!file)
            continue;
        const auto at = quint32(listing.bytes.size());
        if (isAscii(name, length)) {
            listing.bytes.append(name, length);
        } else {
            QString decoded = QFile::decodeName(QByteArray(name, static_cast<qsizetype>(length)));
            if (!isVCardFileName(decoded))
                continue;
            listing.bytes.append(QFile::encodeName(decoded).toStdString());
            listing.wideNames.emplace_back(listing.bytesAt.size(), std::move(decoded));
        }
        listing.bytesAt.push_back(at);
        listing.bytes.push_back('\0');
    }
    ::closedir(dir);
    return listing;
}

// What a reading thread keeps for all the files it reads: categories repeat across cards and
// files, so each is folded once and each set of them is held once.
struct ReaderTables {
    QHash<QString, QString> folded;
    CategorySets sets;
};

struct FileResult {
    VCardFile file;
    QString name;
    const CategorySets* sets = nullptr; // what the items' category numbers count in
    const char* nameBytes = nullptr;    // the file name as the file system has it
    std::vector<ItemRecord> items;
    PackedTexts texts;  // the items' names, as FolderSnapshot::texts has them
    PackedTexts fields; // the items' other fields, as FolderSnapshot::fields has them
    QList<SkippedItem> skipped;
    qint64 earlier = -1; // the file's place in the earlier snapshot, when it has one
    size_t listed = 0;   // its place in the folder's listing
};

// Whether the data holds nothing but blanks and line breaks.
bool isBlankData(const QByteArray& data)
{
    for (char c : data)
        if (!(c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'))
            return false;
    return true;
}

// The folder being read: a descriptor to open its files by name alone, and its encoded path with
// a trailing slash for when the descriptor could not be had.
struct FolderHandle {
    int fd = -1;
    QByteArray path;
    bool followLinks = false;
};

void readOneFile(const FolderHandle& folder, FileResult& r, ReaderTables& tables)
{
    r.sets = &tables.sets;
    // One open, one fstat and, as a rule, one read: QFile's stat on opening and its buffered
    // reading made reading a folder of 100,000 cards take twice as long as the reads themselves.
    // Opening relative to the folder spares the kernel walking the folder's path for every file.
    // Regular files only, opened without following a link and without waiting on a FIFO: a card
    // swapped for a link to a device or for a pipe is skipped, not read for ever.
    safefile::FileInfo info;
    QString why;
    int error = 0;
    const safefile::Fd fd = folder.fd >= 0 ? safefile::openRegularFile(folder.fd, QByteArray(r.nameBytes), kMaxFileSize,
                                                                       &info, &why, &error, folder.followLinks)
                                           : safefile::openRegularFile(-1, folder.path + r.nameBytes, kMaxFileSize,
                                                                       &info, &why, &error, folder.followLinks);
    if (!fd.isOpen()) {
        r.skipped.append(
            {r.name, 0, error != 0 && error != ELOOP ? QStringLiteral("cannot be opened: %1").arg(why) : why});
        return;
    }
    // The stamp is the one of the file as opened, before its bytes are read: a change while they
    // are read moves its change time past the one recorded.
    r.file.size = info.size;
    r.file.mtimeNs = info.mtimeNs;
    r.file.ctimeNs = info.ctimeNs;
    r.file.inode = info.inode;
    QByteArray data;
    if (!safefile::readToEnd(fd.get(), r.file.size, kMaxFileSize, data, &why)) {
        r.file.inode = 0; // tried again on the next look
        r.skipped.append({r.name, 0, QStringLiteral("cannot be read: %1").arg(why)});
        return;
    }
    const bool empty = isBlankData(data);
    const QByteArray utf8 = vcard::toUtf8Data(data);
    r.file.converted = utf8.size() != data.size() || utf8.constData() != data.constData();
    if (r.file.converted)
        data = QByteArray(); // only the converted copy is needed
    r.file.cards = vcard::readCards(utf8, vcard::Detail::Summary, [&](vcard::Card& card) {
        if (!card.ok()) {
            r.skipped.append({r.name, card.index, card.error, card.count});
            return true;
        }
        vcard::ContactSummary s = vcard::summarize(card);
        ItemRecord item;
        r.texts.append(s.fileAs);
        r.texts.append(s.fullName);
        r.fields.append(s.searchFields);
        if (!s.categories.isEmpty()) {
            QStringList folded;
            folded.reserve(s.categories.size());
            for (const QString& c : s.categories) {
                auto it = tables.folded.constFind(c);
                if (it == tables.folded.constEnd())
                    it = tables.folded.insert(c, c.toCaseFolded());
                folded.append(*it);
            }
            item.categories = tables.sets.intern(folded);
        }
        item.offset = static_cast<quint32>(card.offset);
        item.length = static_cast<quint32>(card.length);
        item.card = card.index;
        item.group = s.group;
        r.items.push_back(std::move(item));
        return true;
    });
    if (r.file.cards == 0)
        r.skipped.append({r.name, 0, empty ? QStringLiteral("empty file") : QStringLiteral("no vCard in the file")});
}

// The given results in the order of QString::compare of their names, code unit by code unit,
// without a library call per comparison. The first four code units, packed, decide most
// comparisons (a name holds no NUL, so a shorter name's zero padding sorts it first as the
// code-unit order does). Only the names are read: workers may be filling the rest meanwhile.
std::vector<size_t> sortedByName(const std::vector<FileResult>& results, const std::vector<size_t>& which)
{
    struct SortKey {
        quint64 head = 0;
        std::u16string_view units;
        size_t index = 0;
    };
    std::vector<SortKey> keys;
    keys.reserve(which.size());
    for (size_t i : which) {
        const QString& name = results[i].name;
        SortKey key;
        key.units = std::u16string_view(reinterpret_cast<const char16_t*>(name.constData()), size_t(name.size()));
        for (size_t u = 0; u < 4; ++u)
            key.head = (key.head << 16) | (u < key.units.size() ? quint64(key.units[u]) : 0);
        key.index = i;
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end(), [](const SortKey& a, const SortKey& b) {
        return a.head != b.head ? a.head < b.head : a.units < b.units;
    });
    std::vector<size_t> order;
    order.reserve(keys.size());
    for (const SortKey& key : keys)
        order.push_back(key.index);
    return order;
}

// Where each name of the listing is among the earlier snapshot's files (-1: not there). A folder
// lists its names in the same order until they change, so a name is looked for first where the
// earlier listing had it, shifted by the names added or removed before it; then by name.
void matchListing(const FolderListing& listing, const FolderSnapshot& earlier, std::vector<qint64>& earlierOf)
{
    const std::vector<quint32>& was = earlier.listingOrder;
    const bool ordered = was.size() == earlier.files.size();
    std::vector<size_t> placeOf; // in the earlier listing, made on the first name not where expected
    qint64 shift = 0;
    for (size_t i = 0; i < listing.size(); ++i) {
        const qint64 guess = qint64(i) + shift;
        if (ordered && guess >= 0 && guess < qint64(was.size()) && was[size_t(guess)] < earlier.files.size() &&
            listing.sameName(i, earlier.fileName(was[size_t(guess)]))) {
            earlierOf[i] = was[size_t(guess)];
            continue;
        }
        const qint64 e = listing.findIn(earlier, i);
        earlierOf[i] = e;
        if (e < 0 || !ordered)
            continue;
        if (placeOf.empty()) {
            placeOf.assign(was.size(), 0);
            for (size_t p = 0; p < was.size(); ++p)
                if (was[p] < placeOf.size())
                    placeOf[was[p]] = p;
        }
        shift = qint64(placeOf[size_t(e)]) - qint64(i);
    }
}

// The skipped notes of the earlier snapshot by file, in their order.
QHash<QString, QList<SkippedItem>> skippedByFile(const FolderSnapshot& snapshot)
{
    QHash<QString, QList<SkippedItem>> byFile;
    for (const SkippedItem& s : snapshot.skipped)
        byFile[s.file].append(s);
    return byFile;
}

} // namespace

QString SkippedItem::text() const
{
    if (card > 0)
        return QStringLiteral("%1 (card %2): %3").arg(file).arg(card).arg(reason);
    return QStringLiteral("%1: %2").arg(file, reason);
}

quint32 CategorySets::intern(const QStringList& folded)
{
    if (folded.isEmpty())
        return 0;
    const auto it = m_numbers.constFind(folded);
    if (it != m_numbers.constEnd())
        return *it;
    const auto number = static_cast<quint32>(m_sets.size());
    m_sets.push_back(folded);
    m_numbers.insert(folded, number);
    return number;
}

void FolderSnapshot::addFile(const VCardFile& file, QAnyStringView name)
{
    files.push_back(file);
    name.visit([this](auto letters) {
        if constexpr (std::is_same_v<decltype(letters), QUtf8StringView>)
            fileNames.append(QStringView(letters.toString()));
        else
            fileNames.append(letters);
    });
}

void FolderSnapshot::addItem(const ItemRecord& item, QStringView fileAs, QStringView fullName, QStringView searchFields)
{
    items.push_back(item);
    texts.append(fileAs);
    texts.append(fullName);
    fields.append(searchFields);
}

QString FolderSnapshot::entryId(const ItemRecord& item) const
{
    const VCardFile& f = files[item.file];
    if (f.cards > 1)
        return fileName(item.file).toString() + QLatin1Char('#') + QString::number(item.card);
    return fileName(item.file).toString();
}

bool isVCardFileName(const QString& name)
{
    return !name.startsWith(QLatin1Char('.')) && name.size() > 4 &&
           name.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive);
}

qint64 FolderSnapshot::findFile(QAnyStringView name) const
{
    qint64 low = 0;
    qint64 high = qint64(files.size());
    while (low < high) {
        const qint64 mid = low + (high - low) / 2;
        if (QAnyStringView::compare(fileName(size_t(mid)), name) < 0)
            low = mid + 1;
        else
            high = mid;
    }
    return low < qint64(files.size()) && QAnyStringView::compare(fileName(size_t(low)), name) == 0 ? low : -1;
}

qint64 folderMtime(const QString& folder)
{
    struct stat st {};
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0)
        return -1;
    return mtimeOf(st);
}

bool parseEntryId(const QString& entryId, QString& fileName, int& card)
{
    fileName = entryId;
    card = 1;
    const qsizetype hash = entryId.lastIndexOf(QLatin1Char('#'));
    if (hash > 0) {
        bool ok = false;
        const int n = QStringView(entryId).sliced(hash + 1).toInt(&ok);
        if (ok && n > 0 && isVCardFileName(entryId.left(hash))) {
            fileName = entryId.left(hash);
            card = n;
        }
    }
    return isVCardFileName(fileName) && !fileName.contains(QLatin1Char('/')) && !fileName.contains(QChar(0));
}

std::shared_ptr<const FolderSnapshot> readFolder(const QString& folder)
{
    return readFolder(folder, nullptr, nullptr);
}

std::shared_ptr<const FolderSnapshot> readFolder(const QString& folder, std::shared_ptr<const FolderSnapshot> earlier,
                                                 ReadStats* stats, bool followLinks)
{
    if (!earlier)
        return readFolder(folder, std::future<std::shared_ptr<const FolderSnapshot>>(), stats, followLinks);
    std::promise<std::shared_ptr<const FolderSnapshot>> given;
    given.set_value(std::move(earlier));
    return readFolder(folder, given.get_future(), stats, followLinks);
}

std::shared_ptr<const FolderSnapshot> readFolder(const QString& folder,
                                                 std::future<std::shared_ptr<const FolderSnapshot>> pending,
                                                 ReadStats* stats, bool followLinks)
{
    ReadStats ownStats;
    ReadStats& counts = stats ? *stats : ownStats;
    counts = ReadStats();
    auto snap = std::make_shared<FolderSnapshot>();
    snap->folder = folder;
    FolderStamp folderStamp;
    statFolder(folder, &folderStamp);
    snap->folderMtimeNs = folderStamp.mtimeNs;
    snap->folderDevice = folderStamp.device;
    snap->folderInode = folderStamp.inode;
    const QFileInfo info(folder);
    if (!info.exists())
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The address book folder \"%1\" does not exist.").arg(folder));
    if (!info.isDir())
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The address book \"%1\" is not a folder.").arg(folder));
    if (!info.isReadable() || !info.isExecutable())
        throw AutomationError(
            errStoreUnavailable,
            QStringLiteral("The address book folder \"%1\" cannot be read: permission denied.").arg(folder));

    snap->readStartNs = readClockNs();
    do
        snap->generation = {QRandomGenerator::system()->generate64(), QRandomGenerator::system()->generate64()};
    while (snap->generation == std::pair<quint64, quint64>{0, 0});

    // listFiles has kept only the names isVCardFileName accepts.
    const FolderListing listing = listFiles(folder);
    const size_t listed = listing.size();
    FolderHandle handle;
    handle.path = QFile::encodeName(folder) + '/';
    handle.followLinks = followLinks;
    handle.fd = ::open(handle.path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const auto closeFolder = qScopeGuard([&handle] {
        if (handle.fd >= 0)
            ::close(handle.fd);
    });
    const int threads = std::clamp<int>(std::min<qsizetype>(QThread::idealThreadCount(), qsizetype(listed) / 64), 1, 4);
    auto inParallel = [](int count, const std::function<void()>& work) {
        std::vector<std::thread> pool;
        for (int t = 1; t < count; ++t)
            pool.emplace_back(work);
        work();
        for (std::thread& t : pool)
            t.join();
    };

    // With an earlier snapshot to come, every file is stamped while it is being loaded: one statx
    // each, no read. The kernel's part of a statx is most of it, and threads beyond the cores
    // still shorten the pass.
    std::vector<FileStamp> stamps(pending.valid() ? listed : 0);
    std::vector<char> stamped(stamps.size(), 0);
    if (pending.valid() && handle.fd >= 0) {
        const int statThreads =
            std::clamp<int>(std::min<qsizetype>(2 * QThread::idealThreadCount(), qsizetype(listed) / 64), 1, 4);
        std::atomic<size_t> next{0};
        inParallel(statThreads, [&] {
            for (size_t i = next++; i < listed; i = next++)
                stamped[i] = statEntry(handle.fd, listing.nameBytes(i), &stamps[i], followLinks);
        });
    }

    // An earlier snapshot vouches only for this very folder (not one since put in its place), read
    // by a clock that has not gone back since.
    std::shared_ptr<const FolderSnapshot> earlier = pending.valid() ? pending.get() : nullptr;
    if (earlier &&
        (earlier->folder != folder || earlier->folderInode == 0 || earlier->folderDevice != folderStamp.device ||
         earlier->folderInode != folderStamp.inode || earlier->readStartNs > snap->readStartNs))
        earlier.reset();
    const FolderSnapshot* before = earlier.get();

    // A file the earlier snapshot has, with a stamp that shows it unchanged, is kept from there.
    std::vector<qint64> earlierOf(before ? listed : 0, -1);
    std::vector<char> kept(before ? listed : 0, 0);
    if (before) {
        matchListing(listing, *before, earlierOf);
        for (size_t i = 0; i < listed; ++i) {
            const qint64 e = earlierOf[i];
            kept[i] =
                e >= 0 && stamped[i] && stampHolds(before->files[size_t(e)].stamp(), stamps[i], before->readStartNs);
        }
        // A name the listing gave twice (the folder changed while it was listed) is read anew.
        std::vector<char> taken(before->files.size(), 0);
        for (size_t i = 0; i < listed; ++i) {
            if (earlierOf[i] < 0)
                continue;
            const auto e = size_t(earlierOf[i]);
            if (taken[e]) {
                earlierOf[i] = -1;
                kept[i] = 0;
            }
            taken[e] = 1;
        }
        counts.filesKept = size_t(std::count(kept.begin(), kept.end(), 1));
        if (counts.filesKept == listed && listed == before->files.size()) {
            counts.unchanged = true;
            return earlier;
        }
    }
    stamps = std::vector<FileStamp>();
    stamped = std::vector<char>();

    // Every other file is read.
    std::vector<FileResult> results;
    results.reserve(listed - counts.filesKept);
    for (size_t i = 0; i < listed; ++i) {
        if (before && kept[i])
            continue;
        FileResult r;
        r.name = listing.name(i);
        r.nameBytes = listing.nameBytes(i);
        r.earlier = before ? earlierOf[i] : -1;
        r.listed = i;
        results.push_back(std::move(r));
    }
    counts.filesRead = results.size();
    std::atomic<size_t> next{0};
    std::vector<ReaderTables> tables(static_cast<size_t>(threads));
    std::atomic<size_t> nextTables{0};
    auto readAll = [&] {
        ReaderTables& own = tables[nextTables++];
        for (size_t i = next++; i < results.size(); i = next++)
            readOneFile(handle, results[i], own);
    };

    // The order: without an earlier snapshot this thread sorts the names while the others read;
    // with one, its files are in name order already and only the new names are sorted in.
    struct Slot {
        size_t index; // into results, or into the listing for a kept file
        bool kept;
    };
    std::vector<Slot> order;
    order.reserve(listed);
    if (!before) {
        std::vector<std::thread> pool;
        for (int t = 1; t < threads; ++t)
            pool.emplace_back(readAll);
        std::vector<size_t> all(results.size());
        for (size_t i = 0; i < all.size(); ++i)
            all[i] = i;
        for (size_t i : sortedByName(results, all))
            order.push_back({i, false});
        readAll();
        for (std::thread& t : pool)
            t.join();
    } else {
        inParallel(threads, readAll);
        std::vector<Slot> at(before->files.size(), {0, false});
        std::vector<char> used(before->files.size(), 0);
        for (size_t i = 0; i < listed; ++i) {
            if (kept[i]) {
                at[size_t(earlierOf[i])] = {i, true};
                used[size_t(earlierOf[i])] = 1;
            }
        }
        std::vector<size_t> added;
        for (size_t r = 0; r < results.size(); ++r) {
            if (results[r].earlier >= 0) {
                at[size_t(results[r].earlier)] = {r, false};
                used[size_t(results[r].earlier)] = 1;
            } else {
                added.push_back(r);
            }
        }
        const std::vector<size_t> fresh = sortedByName(results, added);
        auto f = fresh.begin();
        for (size_t e = 0; e < at.size(); ++e) {
            if (!used[e])
                continue;
            while (f != fresh.end() && QAnyStringView(results[*f].name) < before->fileName(e))
                order.push_back({*f++, false});
            order.push_back(at[e]);
        }
        for (; f != fresh.end(); ++f)
            order.push_back({*f, false});
    }

    snap->listingOrder.resize(order.size());
    for (size_t p = 0; p < order.size(); ++p)
        snap->listingOrder[order[p].kept ? order[p].index : results[order[p].index].listed] = quint32(p);

    const QHash<QString, QList<SkippedItem>> earlierSkipped =
        before && counts.filesKept > 0 ? skippedByFile(*before) : QHash<QString, QList<SkippedItem>>();
    size_t total = 0;
    qsizetype letters = 0;
    for (const Slot& slot : order) {
        if (slot.kept) {
            const VCardFile& file = before->files[size_t(earlierOf[slot.index])];
            total += file.itemCount;
            if (file.itemCount > 0)
                letters += before->texts.end(2 * qsizetype(file.firstItem + file.itemCount) - 1) -
                           before->texts.start(2 * qsizetype(file.firstItem));
        } else {
            total += results[slot.index].items.size();
            letters += results[slot.index].texts.letters().size();
        }
    }
    snap->items.reserve(total);
    snap->texts.reserve(2 * qsizetype(total), letters);
    snap->fields.reserve(qsizetype(total), 0);
    snap->files.reserve(order.size());
    // The category sets of the items kept, renumbered in the new snapshot's table.
    std::vector<qint64> keptSet(before ? before->categorySets.count() : 0, -1);
    auto setOfKept = [&](quint32 set) {
        if (keptSet[set] < 0)
            keptSet[set] = snap->categorySets.intern(before->categorySets.at(set));
        return static_cast<quint32>(keptSet[set]);
    };
    for (const Slot& slot : order) {
        const auto fileNo = static_cast<quint32>(snap->files.size());
        if (slot.kept) {
            const size_t was = size_t(earlierOf[slot.index]);
            VCardFile file = before->files[was];
            const auto first = before->items.begin() + file.firstItem;
            file.firstItem = static_cast<quint32>(snap->items.size());
            for (auto item = first; item != first + file.itemCount; ++item) {
                ItemRecord kept = *item;
                kept.file = fileNo;
                kept.categories = setOfKept(item->categories);
                const auto i = size_t(item - before->items.begin());
                snap->addItem(kept, before->fileAs(i), before->fullName(i), before->searchFields(i));
            }
            snap->skipped.append(earlierSkipped.value(before->fileName(was).toString()));
            snap->addFile(file, before->fileName(was));
            continue;
        }
        FileResult& r = results[slot.index];
        r.file.firstItem = static_cast<quint32>(snap->items.size());
        r.file.itemCount = static_cast<quint32>(r.items.size());
        for (size_t i = 0; i < r.items.size(); ++i) {
            ItemRecord& item = r.items[i];
            item.file = fileNo;
            if (item.categories != 0)
                item.categories = snap->categorySets.intern(r.sets->at(item.categories));
            snap->addItem(item, r.texts.view(2 * qsizetype(i)), r.texts.view(2 * qsizetype(i) + 1),
                          r.fields.view(qsizetype(i)));
        }
        snap->addFile(r.file, r.name);
        snap->skipped.append(r.skipped);
        r = FileResult();
    }
    return snap;
}

} // namespace contactclient
