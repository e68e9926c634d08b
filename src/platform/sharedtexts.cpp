#include "sharedtexts.h"

void SharedTexts::reserve(qsizetype texts, qsizetype letters)
{
    m_index.reserve(std::size_t(texts));
    m_reservedLetters = letters;
    if (m_own)
        m_own->reserve(texts, letters);
}

void SharedTexts::append(QStringView text)
{
    if (!m_own || m_own.use_count() > 1)
        takeOwnCopy();
    m_index.push_back(std::uint32_t(m_own->count()));
    m_own->append(text);
}

void SharedTexts::takeOwnCopy()
{
    // The texts referred to (or shared with a copy or a part) are copied: from here on all are
    // kept here, and the others keep theirs unchanged.
    auto own = std::make_shared<CompactTexts>();
    own->reserve(qsizetype(m_index.capacity()), m_reservedLetters);
    for (std::uint32_t& i : m_index) {
        const auto copied = std::uint32_t(own->count());
        own->append(m_kept ? m_kept->at(qsizetype(i)) : m_own->at(qsizetype(i)));
        i = copied;
    }
    m_kept.reset();
    m_own = std::move(own);
}

void SharedTexts::append(const std::shared_ptr<const MixedTexts>& kept, qsizetype index)
{
    if (!m_own && (!m_kept || m_kept == kept)) {
        m_kept = kept;
        m_index.push_back(std::uint32_t(index));
        return;
    }
    append(kept->at(index));
}

void SharedTexts::squeeze()
{
    m_index.shrink_to_fit();
    if (m_own)
        m_own->squeeze();
}

QString SharedTexts::at(qsizetype i) const
{
    const auto place = qsizetype(m_index[std::size_t(i)]);
    return m_kept ? m_kept->at(place) : m_own->at(place);
}

qsizetype SharedTexts::length(qsizetype i) const
{
    const auto place = qsizetype(m_index[std::size_t(i)]);
    return m_kept ? m_kept->length(place) : m_own->length(place);
}

SharedTexts SharedTexts::subset(const std::vector<std::uint32_t>& which) const
{
    SharedTexts part;
    part.m_kept = m_kept;
    part.m_own = m_own;
    part.m_index.reserve(which.size());
    for (const std::uint32_t i : which)
        part.m_index.push_back(m_index[i]);
    return part;
}
