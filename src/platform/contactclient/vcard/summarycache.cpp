#include "summarycache.h"

#include "allocator.h"
#include "contactclient/vcard/summaryformat.h"
#include "safefile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <mutex>

#include <fcntl.h>
#include <unistd.h>

namespace contactclient {
namespace {

// A summary is a fraction of the folder it stands for: one this large is not ours.
constexpr qint64 kMaxSummarySize = 1LL << 30;

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
        if (!entry.fileName().endsWith(QLatin1String(".summary")))
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
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            ::unlinkat(dirFd, name.constData(), 0);
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
           QStringLiteral(".summary");
}

std::shared_ptr<const FolderSnapshot> SummaryCache::load(const QString& folder) const
{
    const QString path = fileFor(folder);
    if (!QFileInfo::exists(path))
        return nullptr;
    // Read only from a folder that is the user's alone.
    QString why;
    const safefile::Fd dir = safefile::openPrivateFolder(m_base, m_inside, &why);
    if (!dir.isOpen())
        return nullptr;
    safefile::FileInfo info;
    const safefile::Fd fd = safefile::openRegularFile(dir.get(), QFile::encodeName(QFileInfo(path).fileName()),
                                                      kMaxSummarySize, &info, &why);
    QByteArray bytes;
    if (!fd.isOpen() || !safefile::readToEnd(fd.get(), info.size, kMaxSummarySize, bytes, &why))
        return nullptr;
    std::shared_ptr<const FolderSnapshot> snapshot = decodeSummary(bytes, folder);
    bytes = QByteArray();
    allocator::releaseFreedMemory();
    return snapshot;
}

bool SummaryCache::save(const FolderSnapshot& snapshot, QString* why) const
{
    const QString path = fileFor(snapshot.folder);
    const QString name = QFileInfo(path).fileName();
    if (std::max(snapshot.files.size(), snapshot.items.size()) < size_t(m_minEntries)) {
        // A folder that has become small: an old summary would only be checked for nothing.
        if (QFileInfo::exists(path))
            QFile::remove(path);
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