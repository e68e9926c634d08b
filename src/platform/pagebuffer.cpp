#include "pagebuffer.h"

#include "allocator.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

namespace {

std::size_t pageSize()
{
    static const auto size = std::size_t(::sysconf(_SC_PAGESIZE));
    return size;
}

std::size_t roundUp(std::size_t bytes)
{
    const std::size_t page = pageSize();
    return (std::max<std::size_t>(bytes, 1) + page - 1) / page * page;
}

void setWhy(QString* why, const QString& text)
{
    if (why)
        *why = text;
}

} // namespace

PageBuffer::~PageBuffer()
{
    release();
}

void PageBuffer::release()
{
    if (m_block)
        ::munmap(m_block, m_capacity);
    m_block = nullptr;
    m_capacity = 0;
    m_size = 0;
    m_givenBack = 0;
}

bool PageBuffer::grow(std::size_t capacity, QString* why)
{
    void* block = m_block ? ::mremap(m_block, m_capacity, capacity, MREMAP_MAYMOVE)
                          : ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) {
        setWhy(why, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_block = static_cast<char*>(block);
    m_capacity = capacity;
    // Filled at once: faulted in 2 MiB at a time rather than 4 KiB (allocator.h).
    allocator::preferHugePages(m_block, m_capacity);
    return true;
}

bool PageBuffer::readToEnd(int fd, qint64 sizeHint, qint64 maxSize, QString* why)
{
    release();
    // One byte more than expected shows the end in the same read.
    if (!grow(roundUp(std::size_t(std::clamp<qint64>(sizeHint, 0, maxSize)) + 1), why))
        return false;
    std::size_t filled = 0;
    for (;;) {
        if (filled == m_capacity) {
            if (qint64(filled) > maxSize) {
                setWhy(why, QStringLiteral("grew past %1 MB while being read").arg(maxSize / (1024 * 1024)));
                release();
                return false;
            }
            if (!grow(roundUp(std::min<std::size_t>(2 * m_capacity, std::size_t(maxSize) + 1)), why)) {
                release();
                return false;
            }
        }
        const ssize_t n = ::read(fd, m_block + filled, m_capacity - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            setWhy(why, QString::fromLocal8Bit(std::strerror(errno)));
            release();
            return false;
        }
        if (n == 0)
            break;
        filled += std::size_t(n);
    }
    if (qint64(filled) > maxSize) {
        setWhy(why, QStringLiteral("grew past %1 MB while being read").arg(maxSize / (1024 * 1024)));
        release();
        return false;
    }
    m_size = qsizetype(filled);
    return true;
}

void PageBuffer::giveBackBefore(qsizetype offset)
{
    const std::size_t end = std::size_t(std::clamp<qsizetype>(offset, 0, m_size)) / pageSize() * pageSize();
    if (!m_block || end <= m_givenBack)
        return;
    ::madvise(m_block + m_givenBack, end - m_givenBack, MADV_DONTNEED);
    m_givenBack = end;
}
