#include "folderage.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bench {
namespace {

bool isCard(const char* name)
{
    const std::size_t length = std::strlen(name);
    return length > 4 && name[0] != '.' && ::strcasecmp(name + length - 4, ".vcf") == 0;
}

qint64 ns(const timespec& t)
{
    return qint64(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// The names of the folder's entries that pass keep, with the folder open as fd (-1 on failure).
struct Listing {
    int fd = -1;
    std::vector<QByteArray> names;
    ~Listing()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

void list(const QString& folder, bool (*keep)(const char*), Listing& out)
{
    out.fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (out.fd < 0)
        return;
    DIR* dir = ::fdopendir(::dup(out.fd));
    if (!dir)
        return;
    while (const dirent* e = ::readdir(dir)) {
        if (keep(e->d_name))
            out.names.emplace_back(e->d_name);
    }
    ::closedir(dir);
}

} // namespace

FolderAge folderAge(const QString& folder)
{
    Listing l;
    list(folder, isCard, l);
    FolderAge age;
    for (const QByteArray& name : l.names) {
        struct stat st {};
        if (::fstatat(l.fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
            continue;
        ++age.files;
        age.newestNs = std::max({age.newestNs, ns(st.st_mtim), ns(st.st_ctim)});
    }
    return age;
}

qint64 settleWaitMs(qint64 newestNs, qint64 nowNs, qint64 marginNs, qint64 longestMs)
{
    if (newestNs < 0)
        return 0;
    // Settled once the newest time lies strictly before the read's start less the margin: one
    // millisecond past that, rounded up.
    const qint64 settledAtNs = newestNs + marginNs + 1'000'000;
    if (settledAtNs <= nowNs)
        return 0;
    return std::min(longestMs, (settledAtNs - nowNs + 999'999) / 1'000'000);
}

qint64 touchAll(const QString& folder)
{
    Listing l;
    list(folder, isCard, l);
    if (l.fd < 0)
        return -1;
    for (const QByteArray& name : l.names) {
        if (::utimensat(l.fd, name.constData(), nullptr, AT_SYMLINK_NOFOLLOW) != 0)
            return -1;
    }
    return qint64(l.names.size());
}

bool copyFolder(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    Listing l;
    list(
        from, [](const char* name) { return std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0; }, l);
    if (l.fd < 0)
        return false;
    // One file after the other with the kernel's copy: a hundred thousand small files, where
    // QFile::copy's temporary file and rename for each would take minutes.
    const std::filesystem::path source(QFile::encodeName(from).toStdString());
    const std::filesystem::path target(QFile::encodeName(to).toStdString());
    for (const QByteArray& name : l.names) {
        std::error_code error;
        const std::filesystem::path file = source / name.toStdString();
        if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(file, error)))
            continue;
        if (!std::filesystem::copy_file(file, target / name.toStdString(), error) || error)
            return false;
    }
    return true;
}

} // namespace bench
