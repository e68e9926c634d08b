#include "safefile.h"

#include "allocator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safefile {
namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void setWhy(QString* why, const QString& text)
{
    if (why)
        *why = text;
}

// Whether a folder on the way to the program's own could only have been changed by root or the
// user: it belongs to one of them, and others may not write to it unless it is sticky.
bool trustedFolder(const struct stat& st, QString* why, const QString& path)
{
    if (st.st_uid != 0 && st.st_uid != ::geteuid()) {
        setWhy(why, QStringLiteral("the folder %1 belongs to another user").arg(path));
        return false;
    }
    const bool sticky = (st.st_mode & S_ISVTX) != 0;
    const bool othersWrite = (st.st_mode & S_IWOTH) != 0 || ((st.st_mode & S_IWGRP) != 0 && st.st_gid != ::getegid());
    if (othersWrite && !sticky) {
        setWhy(why, QStringLiteral("the folder %1 can be changed by other users").arg(path));
        return false;
    }
    return true;
}

// Opens (creating it when missing) one level below parent without following a symbolic link.
// ELOOP/ENOTDIR tell a link or a file from a folder.
int openLevel(int parent, const QByteArray& name, bool create, bool* created)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0 || errno != ENOENT || !create)
            return fd;
        if (::mkdirat(parent, name.constData(), 0700) == 0) {
            *created = true;
        } else if (errno != EEXIST) {
            return -1;
        }
    }
    errno = ENOENT;
    return -1;
}

QStringList components(const QString& path)
{
    return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

} // namespace

Fd& Fd::operator=(Fd&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.release();
    }
    return *this;
}

Fd::~Fd()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int Fd::release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

Fd openRegularFile(int dirFd, const QByteArray& name, qint64 maxSize, FileInfo* info, QString* why, int* errorCode,
                   bool followLinks)
{
    if (errorCode)
        *errorCode = 0;
    // O_NONBLOCK: opening a FIFO returns at once instead of waiting for a writer.
    Fd fd(::openat(dirFd >= 0 ? dirFd : AT_FDCWD, name.constData(),
                   O_RDONLY | (followLinks ? 0 : O_NOFOLLOW) | O_NONBLOCK | O_CLOEXEC));
    if (!fd.isOpen()) {
        const int error = errno;
        if (errorCode)
            *errorCode = error;
        setWhy(why, error == ELOOP ? QStringLiteral("a symbolic link; not read") : systemError(error));
        return {};
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        setWhy(why, systemError(errno));
        return {};
    }
    if (!S_ISREG(st.st_mode)) {
        setWhy(why, S_ISDIR(st.st_mode) ? QStringLiteral("a folder, not a file")
                                        : QStringLiteral("not a regular file (a device, pipe or socket); not read"));
        return {};
    }
    if (st.st_size > maxSize) {
        setWhy(why, QStringLiteral("larger than %1 MB; not read").arg(std::max<qint64>(maxSize / (1024 * 1024), 1)));
        return {};
    }
    // Reads of a regular file never block; the flag goes so that a read is a plain read.
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    if (info) {
        info->size = st.st_size;
        info->mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
        info->ctimeNs = qint64(st.st_ctim.tv_sec) * 1000000000LL + st.st_ctim.tv_nsec;
        info->inode = st.st_ino;
    }
    return fd;
}

qint64 readToEnd(int fd, qint64 sizeHint, qint64 maxSize, const std::function<char*(qint64 bytes)>& room, QString* why)
{
    // One byte more than expected shows the end in the same read.
    qint64 size = std::min<qint64>(std::max<qint64>(sizeHint, 0), maxSize) + 1;
    char* data = room(size);
    qint64 filled = 0;
    for (;;) {
        if (!data) {
            setWhy(why, systemError(ENOMEM));
            return -1;
        }
        if (filled == size) {
            if (filled > maxSize) {
                setWhy(why, QStringLiteral("grew past %1 MB while being read").arg(maxSize / (1024 * 1024)));
                return -1;
            }
            size = std::min<qint64>(size * 2, maxSize + 1);
            data = room(size);
            continue;
        }
        const ssize_t n = ::read(fd, data + filled, static_cast<size_t>(size - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            setWhy(why, systemError(errno));
            return -1;
        }
        if (n == 0)
            return filled;
        filled += n;
    }
}

bool readToEnd(int fd, qint64 sizeHint, qint64 maxSize, QByteArray& data, QString* why)
{
    const qint64 filled = readToEnd(
        fd, sizeHint, maxSize,
        [&data](qint64 bytes) {
            data.resize(bytes);
            allocator::preferHugePages(data.constData(), std::size_t(data.size()));
            return data.data();
        },
        why);
    if (filled < 0) {
        data.clear();
        return false;
    }
    data.truncate(filled);
    return true;
}

bool readRegularFile(const QString& path, qint64 maxSize, QByteArray& data, QString* why, int* errorCode)
{
    const QByteArray name = QFile::encodeName(path);
    for (int attempt = 0;; ++attempt) {
        FileInfo info;
        int error = 0;
        const Fd fd = openRegularFile(-1, name, maxSize, &info, why, &error);
        if (errorCode)
            *errorCode = error;
        if (fd.isOpen())
            return readToEnd(fd.get(), info.size, maxSize, data, why);
        // A file replaced by rename is missing for no time at all; one that stays missing is gone.
        if (error != ENOENT || attempt == 3)
            return false;
        QThread::yieldCurrentThread();
    }
}

Fd openPrivateFolder(const QString& base, const QString& inside, QString* why)
{
    const QString basePath = QDir::cleanPath(QFileInfo(base).absoluteFilePath());
    const QStringList mine = components(inside);
    if (mine.isEmpty() || mine.contains(QStringLiteral("..")) || mine.contains(QStringLiteral("."))) {
        setWhy(why, QStringLiteral("%1 is not a folder name").arg(inside));
        return {};
    }
    Fd current(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    QString path;
    struct stat st {};
    if (!current.isOpen() || ::fstat(current.get(), &st) != 0 || !trustedFolder(st, why, QStringLiteral("/"))) {
        if (!current.isOpen())
            setWhy(why, systemError(errno));
        return {};
    }
    for (const QString& level : components(basePath)) {
        const QByteArray name = QFile::encodeName(level);
        path += QLatin1Char('/') + level;
        bool created = false;
        Fd next(openLevel(current.get(), name, true, &created));
        if (!next.isOpen() && (errno == ELOOP || errno == ENOTDIR)) {
            // A symbolic link in a folder that only root or the user can change: theirs to place.
            next = Fd(::openat(current.get(), name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        }
        if (!next.isOpen()) {
            setWhy(why, QStringLiteral("the folder %1 cannot be opened: %2").arg(path, systemError(errno)));
            return {};
        }
        if (::fstat(next.get(), &st) != 0 || !trustedFolder(st, why, path))
            return {};
        current = std::move(next);
    }
    for (const QString& level : mine) {
        path += QLatin1Char('/') + level;
        bool created = false;
        Fd next(openLevel(current.get(), QFile::encodeName(level), true, &created));
        if (!next.isOpen()) {
            setWhy(why, errno == ELOOP || errno == ENOTDIR
                            ? QStringLiteral("%1 is a symbolic link or a file, not a folder").arg(path)
                            : QStringLiteral("the folder %1 cannot be created: %2").arg(path, systemError(errno)));
            return {};
        }
        if (::fstat(next.get(), &st) != 0) {
            setWhy(why, systemError(errno));
            return {};
        }
        if (st.st_uid != ::geteuid()) {
            setWhy(why, QStringLiteral("the folder %1 belongs to another user").arg(path));
            return {};
        }
        // Checked first, changed second: the mode is set on the folder just opened, not by name.
        if ((st.st_mode & 07777) != 0700 && ::fchmod(next.get(), 0700) != 0) {
            setWhy(why, QStringLiteral("the folder %1 cannot be made private: %2").arg(path, systemError(errno)));
            return {};
        }
        current = std::move(next);
    }
    return current;
}

Fd openPrivateFolder(const QString& path, QString* why)
{
    const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    return openPrivateFolder(info.path(), info.fileName(), why);
}

int writeAll(int fd, QByteArrayView data)
{
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.data() + written, static_cast<size_t>(data.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC;
        written += n;
    }
    return 0;
}

bool writeAtomically(int dirFd, const QString& name, const QByteArray& data, QString* why)
{
    const int dir = dirFd >= 0 ? dirFd : AT_FDCWD;
    const QByteArray target = QFile::encodeName(name);
    const QByteArray temp = target + ".tmp-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    Fd fd(::openat(dir, temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.isOpen()) {
        setWhy(why, systemError(errno));
        return false;
    }
    if (const int error = writeAll(fd.get(), data)) {
        setWhy(why, systemError(error));
        ::unlinkat(dir, temp.constData(), 0);
        return false;
    }
    // The file's bytes reach the disk before its name does.
    if (::fsync(fd.get()) != 0 || ::renameat(dir, temp.constData(), dir, target.constData()) != 0) {
        setWhy(why, systemError(errno));
        ::unlinkat(dir, temp.constData(), 0);
        return false;
    }
    return true;
}

} // namespace safefile
