#pragma once
// What tells a file of the address book folder unchanged without reading it: its size, its
// modification and change times in nanoseconds and its inode, from one statx per directory entry.

#include <QString>

namespace contactclient {

struct FileStamp {
    qint64 size = 0;
    qint64 mtimeNs = 0;
    qint64 ctimeNs = 0;
    quint64 inode = 0; // 0: not known; such a stamp never vouches for a record

    bool operator==(const FileStamp&) const = default;
};

struct FolderStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 mtimeNs = -1;
};

// A file changed within this long of the moment a folder read began may have changed again after
// it was read without its times showing it: file systems keep times in ticks of a clock that is
// coarser than a nanosecond (a jiffy, a second, two seconds on FAT), and a network file system
// takes them from the server's clock. Such a record is read again on the next look.
inline constexpr qint64 kRacyMarginNs = 3'000'000'000LL;

// The wall-clock time in nanoseconds, as file times count it.
qint64 realTimeNs();

// The clock folder reads take their start time from: realTimeNs unless set. Tests set one that
// runs ahead, so that files they have just written count as settled.
using ReadClock = qint64 (*)();
void setReadClock(ReadClock clock);
qint64 readClockNs();

// The stamp of the entry name of the folder open as dirFd, the entry itself (a symbolic link is
// not followed unless followLinks: then the file it leads to). False when it cannot be had or the
// entry is not a regular file.
bool statEntry(int dirFd, const char* name, FileStamp* stamp, bool followLinks = false);

// The folder's device, inode and modification time (following a link to it). False when the
// folder cannot be reached.
bool statFolder(const QString& folder, FolderStamp* stamp);

// Whether what was recorded of a file, read during a folder read that began at readStartNs, still
// stands for the file that is now stamped current: nothing of the stamp differs, and neither of
// the recorded times is so close to the read (or after it) that a change could hide in one tick.
bool stampHolds(const FileStamp& recorded, const FileStamp& current, qint64 readStartNs);

} // namespace contactclient
