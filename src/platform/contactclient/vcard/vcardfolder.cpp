#include "vcardfolder.h"

#include "contactclient/errors.h"
#include "contactclient/vcard/contactmapping.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <thread>

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <strings.h>
#include <sys/stat.h>

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

// Reads to the end of the file, expecting sizeHint bytes; 0, or the errno of a failed read.
int readAll(int fd, qint64 sizeHint, QByteArray& data)
{
    data.resize(std::max<qint64>(sizeHint, 0) + 1); // one byte more shows the end in the same read
    qsizetype filled = 0;
    for (;;) {
        if (filled == data.size()) {
            if (filled > kMaxFileSize)
                break; // it grew past the limit while being read: the limit's worth is read
            data.resize(std::min<qint64>(data.size() * 2, kMaxFileSize + 1));
        }
        const ssize_t n = ::read(fd, data.data() + filled, static_cast<size_t>(data.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break;
        filled += n;
    }
    data.truncate(filled);
    return 0;
}

// The names of the folder's files (symbolic links to files included). The entry's type from
// readdir saves the stat per entry that QDir::entryList makes: in a folder of 10,000 cards that
// was a fifth of the start-up's own work. Names that cannot be .vcf files are passed over early.
QStringList listFiles(const QString& folder)
{
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        throw AutomationError(errStoreUnavailable, QStringLiteral("The address book folder \"%1\" cannot be read: %2")
                                                       .arg(folder, systemError(errno)));
    QStringList names;
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
        if (file)
            names.append(QFile::decodeName(QByteArray(name, static_cast<qsizetype>(length))));
    }
    ::closedir(dir);
    return names;
}

struct FileResult {
    VCardFile file;
    std::vector<ItemRecord> items;
    QList<SkippedItem> skipped;
};

void readOneFile(const QString& folder, FileResult& r)
{
    // One open, one fstat and, as a rule, one read: QFile's stat on opening and its buffered
    // reading made reading a folder of 100,000 cards take twice as long as the reads themselves.
    const int fd = ::open(QFile::encodeName(folder + QLatin1Char('/') + r.file.name).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        r.skipped.append({r.file.name, 0, QStringLiteral("cannot be opened: %1").arg(systemError(errno))});
        return;
    }
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat st {};
    if (::fstat(fd, &st) == 0) {
        r.file.size = st.st_size;
        r.file.mtimeNs = mtimeOf(st);
    }
    if (r.file.size > kMaxFileSize) {
        r.skipped.append({r.file.name, 0,
                          QStringLiteral("larger than %1 MB; not read").arg(kMaxFileSize / (1024 * 1024))});
        return;
    }
    QByteArray data;
    if (const int error = readAll(fd, r.file.size, data)) {
        r.skipped.append({r.file.name, 0, QStringLiteral("cannot be read: %1").arg(systemError(error))});
        return;
    }
    const bool empty = data.trimmed().isEmpty();
    const QByteArray utf8 = vcard::toUtf8Data(data);
    r.file.converted = utf8.size() != data.size() || utf8.constData() != data.constData();
    if (r.file.converted)
        data = QByteArray(); // only the converted copy is needed
    QHash<QString, QString> folded;
    r.file.cards = vcard::readCards(utf8, vcard::Detail::Summary, [&](vcard::Card& card) {
        if (!card.ok()) {
            r.skipped.append({r.file.name, card.index, card.error});
            return true;
        }
        vcard::ContactSummary s = vcard::summarize(card);
        ItemRecord item;
        item.fileAs = std::move(s.fileAs);
        item.fullName = std::move(s.fullName);
        for (const QString& c : s.categories) {
            // Categories repeat across cards: fold each once and share the text.
            auto it = folded.constFind(c);
            if (it == folded.constEnd())
                it = folded.insert(c, c.toCaseFolded());
            item.foldedCategories.append(*it);
        }
        item.offset = card.offset;
        item.length = card.length;
        item.card = card.index;
        item.group = s.group;
        r.items.push_back(std::move(item));
        return true;
    });
    if (r.file.cards == 0)
        r.skipped.append({r.file.name, 0, empty ? QStringLiteral("empty file")
                                                                            : QStringLiteral("no vCard in the file")});
}

} // namespace

QString SkippedItem::text() const
{
    if (card > 0)
        return QStringLiteral("%1 (card %2): %3").arg(file).arg(card).arg(reason);
    return QStringLiteral("%1: %2").arg(file, reason);
}

QString FolderSnapshot::entryId(const ItemRecord& item) const
{
    const VCardFile& f = files[item.file];
    if (f.cards > 1)
        return f.name + QLatin1Char('#') + QString::number(item.card);
    return f.name;
}

bool isVCardFileName(const QString& name)
{
    return !name.startsWith(QLatin1Char('.')) && name.size() > 4
        && name.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive);
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
    auto snap = std::make_shared<FolderSnapshot>();
    snap->folder = folder;
    snap->folderMtimeNs = folderMtime(folder);
    const QFileInfo info(folder);
    if (!info.exists())
        throw AutomationError(errStoreUnavailable, QStringLiteral("The address book folder \"%1\" does not exist.").arg(folder));
    if (!info.isDir())
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The address book \"%1\" is not a folder.").arg(folder));
    if (!info.isReadable() || !info.isExecutable())
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The address book folder \"%1\" cannot be read: permission denied.").arg(folder));

    QStringList names = listFiles(folder);
    names.erase(std::remove_if(names.begin(), names.end(), [](const QString& n) { return !isVCardFileName(n); }),
                names.end());
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return a.compare(b) < 0; });

    std::vector<FileResult> results(static_cast<size_t>(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        results[static_cast<size_t>(i)].file.name = names[i];

    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < results.size(); i = next++)
            readOneFile(folder, results[i]);
    };
    const int threads = std::clamp<int>(std::min<qsizetype>(QThread::idealThreadCount(), names.size() / 64), 1, 4);
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& t : pool)
        t.join();

    size_t total = 0;
    for (const FileResult& r : results)
        total += r.items.size();
    snap->items.reserve(total);
    snap->files.reserve(results.size());
    for (FileResult& r : results) {
        r.file.firstItem = static_cast<quint32>(snap->items.size());
        r.file.itemCount = static_cast<quint32>(r.items.size());
        const auto fileNo = static_cast<quint32>(snap->files.size());
        for (ItemRecord& item : r.items) {
            item.file = fileNo;
            snap->items.push_back(std::move(item));
        }
        snap->fileIndex.insert(r.file.name, fileNo);
        snap->files.push_back(std::move(r.file));
        snap->skipped.append(r.skipped);
        r = FileResult();
    }
    return snap;
}

} // namespace contactclient
