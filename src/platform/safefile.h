#pragma once
// Opening files and folders that other people or programs may have tampered with: a file is read
// only when it is a regular file of bounded size (never a symbolic link, a FIFO or a device), and a
// folder the program keeps private data in is entered one level at a time without following a
// symbolic link, each level checked for its owner and mode.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

#include <sys/types.h>

namespace safefile {

// A file descriptor, closed when the holder goes.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : m_fd(fd) {}
    Fd(Fd&& other) noexcept : m_fd(other.release()) {}
    Fd& operator=(Fd&& other) noexcept;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd();

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    int release();

private:
    int m_fd = -1;
};

struct FileInfo {
    qint64 size = 0;
    qint64 mtimeNs = 0;
    qint64 ctimeNs = 0;
    quint64 inode = 0;
};

// Opens name (relative to the folder descriptor dirFd, or to the working folder when dirFd is -1)
// for reading: O_NOFOLLOW | O_NONBLOCK, then fstat. Anything but a regular file of at most
// maxSize bytes is refused. Returns the descriptor, or an invalid one with why set; errorCode
// receives the errno of a failed open (ENOENT for a file that is not there), else 0.
// followLinks: a symbolic link is followed (for the user's own files, never for the program's
// private ones); the checks apply to the file it leads to.
Fd openRegularFile(int dirFd, const QByteArray& name, qint64 maxSize, FileInfo* info, QString* why,
                   int* errorCode = nullptr, bool followLinks = false);

// Reads a file opened by openRegularFile to its end, never more than maxSize bytes. False (why
// set) when a read fails or the file grew past maxSize.
bool readToEnd(int fd, qint64 sizeHint, qint64 maxSize, QByteArray& data, QString* why);

// The same into room of the caller's: room(n) makes room for n bytes and gives where they start
// (the bytes read so far kept), or null when it cannot. The bytes read, or -1 (why set).
qint64 readToEnd(int fd, qint64 sizeHint, qint64 maxSize, const std::function<char*(qint64 bytes)>& room, QString* why);

// openRegularFile and readToEnd by path, retrying a few times when the file vanishes for a moment
// (a card replaced by rename while it is read). An empty result with why set on failure;
// errorCode as for openRegularFile.
bool readRegularFile(const QString& path, qint64 maxSize, QByteArray& data, QString* why, int* errorCode = nullptr);

// Opens the folder base + "/" + inside, creating what is missing with mode 0700.
//  - base is where the user's own folders lie (the runtime folder, the cache folder): it may
//    contain symbolic links, followed only where no one but root and the user could have placed
//    them; every folder on it must belong to root or the user, and one that others may write to
//    must be sticky (as /tmp is).
//  - inside is what the program makes its own: no symbolic link is followed there, every level
//    must belong to the user, and the modes are set to 0700.
// Returns the folder's descriptor, or an invalid one with why set (nothing is changed on a folder
// that belongs to someone else).
Fd openPrivateFolder(const QString& base, const QString& inside, QString* why);

// The same for a single path whose last component is the program's own folder.
Fd openPrivateFolder(const QString& path, QString* why);

// Writes all of data to fd, again after an interrupted write. 0, or the errno of the write that
// failed (a write that wrote nothing counts as ENOSPC when errno says nothing).
int writeAll(int fd, QByteArrayView data);

// Replaces dirFd/name atomically with data (temporary file in the same folder, then rename): a
// symbolic link planted at name is replaced, never written through. False with why set.
bool writeAtomically(int dirFd, const QString& name, const QByteArray& data, QString* why);

} // namespace safefile
