#include "mixedtexts.h"

#include "allocator.h"

#include <algorithm>
#include <cstring>

void MixedTexts::reserve(qsizetype texts, qsizetype bytes)
{
    m_ends.reserve(std::size_t(texts));
    m_bytes.reserve(bytes);
    allocator::preferHugePagesFor(m_ends);
    allocator::preferHugePages(m_bytes.constData(), std::size_t(m_bytes.capacity()));
}

void MixedTexts::append(QStringView text)
{
    const bool latin1 = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
    const qsizetype at = m_bytes.size();
    if (latin1) {
        m_bytes.resize(at + text.size());
        char* out = m_bytes.data() + at;
        for (const QChar c : text)
            *out++ = static_cast<char>(c.unicode());
        m_ends.push_back(std::uint32_t(m_bytes.size()));
        return;
    }
    if (m_bytes.size() % 2 != 0)
        m_bytes.append('\0');
    m_bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * qsizetype(sizeof(QChar)));
    m_ends.push_back(std::uint32_t(m_bytes.size()) | kWide);
}

void MixedTexts::append(QLatin1StringView text)
{
    m_bytes.append(text.data(), text.size());
    m_ends.push_back(std::uint32_t(m_bytes.size()));
}

void MixedTexts::squeeze()
{
    m_bytes.squeeze();
    m_ends.shrink_to_fit();
}

QString MixedTexts::at(qsizetype i) const
{
    const qsizetype from = startOf(i);
    const std::uint32_t end = m_ends[std::size_t(i)];
    const qsizetype bytes = qsizetype(end & ~kWide) - from;
    if (!(end & kWide))
        return QString::fromLatin1(m_bytes.constData() + from, bytes);
    QString text(bytes / qsizetype(sizeof(QChar)), Qt::Uninitialized);
    std::memcpy(text.data(), m_bytes.constData() + from, std::size_t(bytes));
    return text;
}

QAnyStringView MixedTexts::view(qsizetype i) const
{
    const qsizetype from = startOf(i);
    const std::uint32_t end = m_ends[std::size_t(i)];
    const qsizetype bytes = qsizetype(end & ~kWide) - from;
    if (!(end & kWide))
        return QLatin1StringView(m_bytes.constData() + from, bytes);
    return QStringView(reinterpret_cast<const QChar*>(m_bytes.constData() + from), bytes / qsizetype(sizeof(QChar)));
}

qsizetype MixedTexts::length(qsizetype i) const
{
    const std::uint32_t end = m_ends[std::size_t(i)];
    const qsizetype bytes = qsizetype(end & ~kWide) - startOf(i);
    return (end & kWide) ? bytes / qsizetype(sizeof(QChar)) : bytes;
}
