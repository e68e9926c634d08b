#pragma once
// Many texts in one buffer, each kept one byte a letter when all its letters are Latin-1 and two
// bytes a letter otherwise: a book of mostly Latin names, addresses and numbers with some Cyrillic
// or Chinese contacts costs little more than its letters. Unlike PackedTexts, a text is handed
// out as a copy (its letters may not be UTF-16 in the buffer), or viewed as it is held: Latin-1
// or UTF-16 (a two-byte text starts at an even place, so that its letters can be read in place).

#include <QAnyStringView>
#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

class MixedTexts {
public:
    void reserve(qsizetype texts, qsizetype bytes);
    void append(QStringView text);
    // A text known to be Latin-1 (as a summary marks it), copied as it stands.
    void append(QLatin1StringView text);
    void squeeze();

    qsizetype count() const { return qsizetype(m_ends.size()); }
    QString at(qsizetype i) const;
    // Valid until the next append.
    QAnyStringView view(qsizetype i) const;
    qsizetype length(qsizetype i) const;

    friend bool operator==(const MixedTexts& a, const MixedTexts& b)
    {
        return a.m_ends == b.m_ends && a.m_bytes == b.m_bytes;
    }

private:
    static constexpr std::uint32_t kWide = 0x80000000u; // in an end: the text is two bytes a letter
    qsizetype startOf(qsizetype i) const
    {
        const qsizetype after = i == 0 ? 0 : qsizetype(m_ends[std::size_t(i) - 1] & ~kWide);
        return (m_ends[std::size_t(i)] & kWide) ? (after + 1) & ~qsizetype(1) : after;
    }

    QByteArray m_bytes;
    std::vector<std::uint32_t> m_ends; // where each text ends in m_bytes, and whether it is wide
};
