#include "readfloor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <atomic>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace bench {

FloorRun readFloor(const QString& folder, int threads)
{
    QElapsedTimer t;
    t.start();
    QStringList names = QDir(folder).entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Unsorted);
    const QByteArray prefix = QFile::encodeName(folder) + '/';
    std::vector<QByteArray> paths;
    paths.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& n : std::as_const(names))
        paths.push_back(prefix + QFile::encodeName(n));

    std::atomic<std::size_t> next{0};
    std::atomic<qint64> bytes{0};
    auto work = [&] {
        std::vector<char> buffer(1 << 16);
        qint64 mine = 0;
        for (std::size_t i = next++; i < paths.size(); i = next++) {
            const int fd = ::open(paths[i].constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                continue;
            for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;)
                mine += n;
            ::close(fd);
        }
        bytes += mine;
    };
    std::vector<std::thread> pool;
    for (int i = 1; i < threads; ++i)
        pool.emplace_back(work);
    work();
    for (std::thread& th : pool)
        th.join();
    return {static_cast<double>(t.nsecsElapsed()) / 1e6, static_cast<qint64>(paths.size()), bytes.load()};
}

} // namespace bench
