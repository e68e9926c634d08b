#include "packedtexts.h"

#include "allocator.h"

void PackedTexts::reserve(qsizetype texts, qsizetype letters)
{
    m_ends.reserve(std::size_t(texts));
    m_letters.reserve(letters);
    allocator::preferHugePagesFor(m_ends);
    allocator::preferHugePages(m_letters.constData(), std::size_t(m_letters.capacity()) * sizeof(QChar));
}

void PackedTexts::append(QStringView text)
{
    m_letters.append(text);
    m_ends.push_back(static_cast<std::uint32_t>(m_letters.size()));
}

void PackedTexts::append(QLatin1StringView text)
{
    m_letters.append(text);
    m_ends.push_back(static_cast<std::uint32_t>(m_letters.size()));
}

void PackedTexts::clear()
{
    m_letters.clear();
    m_ends.clear();
}

void PackedTexts::squeeze()
{
    m_letters.squeeze();
    m_ends.shrink_to_fit();
}

QStringList PackedTexts::toList() const
{
    QStringList list;
    list.reserve(count());
    for (qsizetype i = 0; i < count(); ++i)
        list.append(at(i));
    return list;
}
