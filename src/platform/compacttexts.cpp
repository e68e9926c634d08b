#include "compacttexts.h"

#include "allocator.h"

#include <algorithm>

namespace {

bool isLatin1(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
}

} // namespace

void CompactTexts::reserve(qsizetype texts, qsizetype letters)
{
    if (m_wide) {
        m_wideTexts.reserve(texts, letters);
        return;
    }
    m_ends.reserve(std::size_t(texts));
    m_latin1.reserve(letters);
    allocator::preferHugePagesFor(m_ends);
    allocator::preferHugePages(m_latin1.constData(), std::size_t(m_latin1.capacity()));
}

void CompactTexts::append(QStringView text)
{
    if (!m_wide && isLatin1(text)) {
        const qsizetype at = m_latin1.size();
        m_latin1.resize(at + text.size());
        char* out = m_latin1.data() + at;
        for (const QChar c : text)
            *out++ = static_cast<char>(c.unicode());
        m_ends.push_back(static_cast<std::uint32_t>(m_latin1.size()));
        return;
    }
    if (!m_wide) {
        // The first text beyond Latin-1: every text so far moves to two bytes a letter.
        m_wideTexts.reserve(count() + 1, m_latin1.size() + text.size());
        for (qsizetype i = 0; i < count(); ++i)
            m_wideTexts.append(latin1(i));
        m_latin1 = QByteArray();
        m_ends = std::vector<std::uint32_t>();
        m_wide = true;
    }
    m_wideTexts.append(text);
}

void CompactTexts::squeeze()
{
    m_latin1.squeeze();
    m_ends.shrink_to_fit();
    m_wideTexts.squeeze();
}

QLatin1StringView CompactTexts::latin1(qsizetype i) const
{
    const qsizetype from = i == 0 ? 0 : qsizetype(m_ends[std::size_t(i) - 1]);
    return QLatin1StringView(m_latin1.constData() + from, qsizetype(m_ends[std::size_t(i)]) - from);
}

QString CompactTexts::at(qsizetype i) const
{
    return m_wide ? m_wideTexts.at(i) : QString(latin1(i));
}

bool CompactTexts::equals(qsizetype i, QStringView text) const
{
    return m_wide ? m_wideTexts.view(i) == text : text.compare(latin1(i)) == 0;
}

qsizetype CompactTexts::length(qsizetype i) const
{
    return m_wide ? m_wideTexts.view(i).size() : latin1(i).size();
}

QStringList CompactTexts::toList() const
{
    QStringList list;
    list.reserve(count());
    for (qsizetype i = 0; i < count(); ++i)
        list.append(at(i));
    return list;
}
