#pragma once
// A file's bytes in a block mapped from the system on its own, whose pages can be given back as
// soon as they are done with. A large file decoded front to back (a folder's summary, some 30 MB
// at 100,000 contacts) then never stands whole beside what is built from it.

#include <QString>

#include <cstddef>

class PageBuffer {
public:
    PageBuffer() = default;
    ~PageBuffer();
    PageBuffer(const PageBuffer&) = delete;
    PageBuffer& operator=(const PageBuffer&) = delete;

    // Reads the open file to its end: about sizeHint bytes, at most maxSize. False, with why, when
    // it cannot be read or is larger.
    bool readToEnd(int fd, qint64 sizeHint, qint64 maxSize, QString* why);

    const char* data() const { return m_block; }
    qsizetype size() const { return m_size; }

    // The bytes before offset are no longer read: their whole pages are given back (reading them
    // afterwards gives zeros).
    void giveBackBefore(qsizetype offset);

private:
    bool grow(std::size_t capacity);
    void release();

    char* m_block = nullptr;
    std::size_t m_capacity = 0;
    qsizetype m_size = 0;
    std::size_t m_givenBack = 0;
};
