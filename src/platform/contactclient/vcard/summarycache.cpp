#include "summarycache.h"

#include "contactclient/vcard/summaryformat.h"
#include "pagebuffer.h"
#include "safefile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <unistd.h>

namespace contactclient {
namespace {

// A summary is a fraction of the folder it stands for: one this large is not ours.
constexpr qint64 kMaxSummarySize = 1LL << 30;

constexpr char kMemoMagic[8] = {'Q', 'N', 'T', 'L', 'M', 'E', 'M', 'O'};
constexpr qsizetype kMemoHeaderSize = 8 + 16 + 8 + 8;
const QLatin1StringView kSummarySuffix(".summary");
const QLatin1StringView kMemoSuffix(".memo");

std::mutex standardBaseLock;
QString standardBase;

// Removes the summaries of folders that are gone (a temporary folder, a book removed) and
// temporary files a writer left behind an hour ago or more, so that the cache does not grow
// without end.
void prune(int dirFd, const QString& keep)
{
    const QString dirPath = QStringLiteral("/proc/self/fd/%1").arg(dirFd);
    const QFileInfoList entries = QDir(dirPath).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    const QDateTime anHourAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);
    for (const QFileInfo& entry : entries) {
        const QByteArray name = QFile::encodeName(entry.fileName());
        if (entry.fileName() == keep)
            continue;
        if (entry.fileName().contains(QLatin1String(".tmp-"))) {
            if (entry.lastModified() < anHourAgo)
                ::unlinkat(dirFd, name.constData(), 0);
            continue;
        }
        if (entry.fileName().endsWith(kMemoSuffix)) {
            // A memo outlives no summary.
            const QString summary = entry.fileName().chopped(kMemoSuffix.size()) + kSummarySuffix;
            if (summary != keep && !QFileInfo::exists(dirPath + QLatin1Char('/') + summary))
                ::unlinkat(dirFd, name.constData(), 0);
            continue;
        }
        if (!entry.fileName().endsWith(kSummarySuffix))
            continue;
        safefile::FileInfo info;
        QString why;
        const safefile::Fd fd = safefile::openRegularFile(dirFd, name, kMaxSummarySize, &info, &why);
        if (!fd.isOpen())
            continue;
        QByteArray head(64 * 1024, Qt::Uninitialized);
        const ssize_t n = ::read(fd.get(), head.data(), size_t(head.size()));
        head.truncate(std::max<ssize_t>(n, 0));
        const QString folder = summaryFolder(head);
        if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
            ::unlinkat(dirFd, name.constData(), 0);
            const QString memo = entry.fileName().chopped(kSummarySuffix.size()) + kMemoSuffix;
            ::unlinkat(dirFd, QFile::encodeName(memo).constData(), 0);
        }
    }
}

} // namespace

SummaryCache::SummaryCache(QString base, QString inside, int minEntries)
    : m_base(std::move(base)), m_inside(std::move(inside)), m_minEntries(minEntries)
{
}

SummaryCache SummaryCache::standard()
{
    QString base;
    {
        const std::lock_guard lock(standardBaseLock);
        base = standardBase;
    }
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return SummaryCache(base, QStringLiteral("Quintel/summaries"));
}

void SummaryCache::setStandardBase(const QString& base)
{
    const std::lock_guard lock(standardBaseLock);
    standardBase = base;
}

QString SummaryCache::fileFor(const QString& folder) const
{
    const QByteArray hash = QCryptographicHash::hash(canonicalFolder(folder).toUtf8(), QCryptographicHash::Sha256);
    return m_base + QLatin1Char('/') + m_inside + QLatin1Char('/') + QString::fromLatin1(hash.toHex().left(32)) +
           kSummarySuffix;
}

QString SummaryCache::memoFileFor(const QString& folder) const
{
    return fileFor(folder).chopped(kSummarySuffix.size()) + kMemoSuffix;
}

bool SummaryCache::keepsMemoOf(const FolderSnapshot& snapshot) const
{
    return snapshot.generation != std::pair<quint64, quint64>{0, 0} &&
           std::max(snapshot.files.size(), snapshot.items.size()) >= size_t(m_minEntries);
}

QByteArray SummaryCache::loadMemo(const FolderSnapshot& snapshot) const
{
    if (!keepsMemoOf(snapshot))
        return {};
    const QByteArray bytes = readOwnFile(memoFileFor(snapshot.folder));
    if (bytes.size() < kMemoHeaderSize || std::memcmp(bytes.constData(), kMemoMagic, sizeof kMemoMagic) != 0)
        return {};
    std::pair<quint64, quint64> generation;
    quint64 payload = 0;
    quint64 sum = 0;
    std::memcpy(&generation.first, bytes.constData() + 8, 8);
    std::memcpy(&generation.second, bytes.constData() + 16, 8);
    std::memcpy(&payload, bytes.constData() + 24, 8);
    std::memcpy(&sum, bytes.constData() + 32, 8);
    if (generation != snapshot.generation || payload != quint64(bytes.size() - kMemoHeaderSize) ||
        sum != checksum(bytes.constData() + kMemoHeaderSize, size_t(payload)))
        return {};
    return bytes.sliced(kMemoHeaderSize);
}

bool SummaryCache::saveMemo(const FolderSnapshot& snapshot, const QByteArray& bytes, QString* why) const
{
    if (!keepsMemoOf(snapshot))
        return true;
    QByteArray file;
    file.reserve(kMemoHeaderSize + bytes.size());
    const auto payload = quint64(bytes.size());
    const quint64 sum = checksum(bytes.constData(), size_t(bytes.size()));
    file.append(kMemoMagic, sizeof kMemoMagic);
    file.append(reinterpret_cast<const char*>(&snapshot.generation.first), 8);
    file.append(reinterpret_cast<const char*>(&snapshot.generation.second), 8);
    file.append(reinterpret_cast<const char*>(&payload), 8);
    file.append(reinterpret_cast<const char*>(&sum), 8);
    file.append(bytes);
    QString reason;
    const safefile::Fd dir = safefile::openPrivateFolder(m_base, m_inside, &reason);
    if (dir.isOpen() &&
        safefile::writeAtomically(dir.get(), QFileInfo(memoFileFor(snapshot.folder)).fileName(), file, &reason))
        return true;
    if (why)
        *why = reason;
    return false;
}

std::shared_ptr<const FolderSnapshot> SummaryCache::load(const QString& folder) const
{
    // The bytes are a block of their own, whose pages go back to the system as they are decoded
    // and the rest when it is freed: the summary never stands whole beside the snapshot.
    PageBuffer bytes;
    if (!readOwnFile(fileFor(folder), bytes) || bytes.size() == 0)
        return nullptr;
    return decodeSummary(QByteArray::fromRawData(bytes.data(), bytes.size()), folder,
                         [&bytes](qsizetype consumed) { bytes.giveBackBefore(consumed); });
}

bool SummaryCache::readOwnFile(const QString& path, PageBuffer& bytes) const
{
    if (!QFileInfo::exists(path))
        return false;
    // Read only from a folder that is the user's alone.
    QString why;
    const safefile::Fd dir = safefile::openPrivateFolder(m_base, m_inside, &why);
    if (!dir.isOpen())
        return false;
    safefile::FileInfo info;
    const safefile::Fd fd = safefile::openRegularFile(dir.get(), QFile::encodeName(QFileInfo(path).fileName()),
                                                      kMaxSummarySize, &info, &why);
    return fd.isOpen() && bytes.readToEnd(fd.get(), info.size, kMaxSummarySize, &why);
}

QByteArray SummaryCache::readOwnFile(const QString& path) const
{
    PageBuffer bytes;
    return readOwnFile(path, bytes) ? QByteArray(bytes.data(), bytes.size()) : QByteArray();
}

bool SummaryCache::save(const FolderSnapshot& snapshot, QString* why) const
{
    const QString path = fileFor(snapshot.folder);
    const QString name = QFileInfo(path).fileName();
    if (std::max(snapshot.files.size(), snapshot.items.size()) < size_t(m_minEntries)) {
        // A folder that has become small: an old summary would only be checked for nothing.
        if (QFileInfo::exists(path))
            QFile::remove(path);
        if (const QString memo = memoFileFor(snapshot.folder); QFileInfo::exists(memo))
            QFile::remove(memo);
        return true;
    }
    QString reason;
    const safefile::Fd dir = safefile::openPrivateFolder(m_base, m_inside, &reason);
    if (dir.isOpen() && safefile::writeAtomically(dir.get(), name, encodeSummary(snapshot), &reason)) {
        prune(dir.get(), name);
        return true;
    }
    if (why)
        *why = reason;
    return false;
}

} // namespace contactclient