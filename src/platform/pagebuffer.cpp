#include "pagebuffer.h"

#include "allocator.h"
#include "safefile.h"

#include <algorithm>

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

bool PageBuffer::grow(std::size_t capacity)
{
    void* block = m_block ? ::mremap(m_block, m_capacity, capacity, MREMAP_MAYMOVE)
                          : ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        return false;
    m_block = static_cast<char*>(block);
    m_capacity = capacity;
    // Filled at once: faulted in 2 MiB at a time rather than 4 KiB (allocator.h).
    allocator::preferHugePages(m_block, m_capacity);
    return true;
}

bool PageBuffer::readToEnd(int fd, qint64 sizeHint, qint64 maxSize, QString* why)
{
    release();
    const qint64 filled = safefile::readToEnd(
        fd, sizeHint, maxSize, [this](qint64 bytes) { return grow(roundUp(std::size_t(bytes))) ? m_block : nullptr; },
        why);
    if (filled < 0) {
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
