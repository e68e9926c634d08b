#include "folderscan.h"

#include <QFile>

#include <atomic>

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

namespace contactclient {
namespace {

std::atomic<ReadClock> readClock{nullptr};

qint64 nanoseconds(const statx_timestamp& t)
{
    return qint64(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

} // namespace

qint64 realTimeNs()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void setReadClock(ReadClock clock)
{
    readClock = clock;
}

qint64 readClockNs()
{
    const ReadClock clock = readClock;
    return clock ? clock() : realTimeNs();
}

bool statEntry(int dirFd, const char* name, FileStamp* stamp, bool followLinks)
{
    struct statx st {};
    const unsigned int wanted = STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_CTIME | STATX_INO;
    if (::statx(dirFd, name, (followLinks ? 0 : AT_SYMLINK_NOFOLLOW) | AT_STATX_SYNC_AS_STAT, wanted, &st) != 0)
        return false;
    // A field the file system could not give leaves the file in doubt.
    if ((st.stx_mask & wanted) != wanted || !S_ISREG(st.stx_mode))
        return false;
    stamp->size = qint64(st.stx_size);
    stamp->mtimeNs = nanoseconds(st.stx_mtime);
    stamp->ctimeNs = nanoseconds(st.stx_ctime);
    stamp->inode = st.stx_ino;
    return true;
}

bool statFolder(const QString& folder, FolderStamp* stamp)
{
    struct stat st {};
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0)
        return false;
    stamp->device = st.st_dev;
    stamp->inode = st.st_ino;
    stamp->mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

bool stampHolds(const FileStamp& recorded, const FileStamp& current, qint64 readStartNs)
{
    if (recorded.inode == 0 || recorded != current)
        return false;
    // The change time cannot be set back by hand (touch -d sets only the modification time): a
    // change after the read moves it past what was recorded, unless both fall in one tick near
    // the read, which the margin leaves to a fresh read.
    const qint64 settled = readStartNs - kRacyMarginNs;
    return recorded.ctimeNs < settled && recorded.mtimeNs < settled;
}

} // namespace contactclient
