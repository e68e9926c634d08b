#include "searchlist.h"

#include <algorithm>

void SearchList::clear()
{
    m_entries.clear();
    m_indexed = false;
    m_folded.clear();
    m_offsets.clear();
    m_sorted.clear();
    m_tree.clear();
}

void SearchList::append(const QString& entry)
{
    m_entries.append(entry);
    m_indexed = false;
}

bool SearchList::beginsWith(const QString& entry, const QString& text)
{
    return !text.isEmpty() && entry.size() >= text.size()
           && QStringView(entry).left(text.size()).toString().toCaseFolded() == text.toCaseFolded();
}

void SearchList::finish()
{
    const auto n = static_cast<std::size_t>(m_entries.size());
    m_folded.clear();
    m_offsets.assign(1, 0);
    m_offsets.reserve(n + 1);
    qsizetype total = 0;
    for (const QString& e : std::as_const(m_entries))
        total += e.size();
    m_folded.reserve(total);
    for (const QString& e : std::as_const(m_entries)) {
        QString f = e.toCaseFolded();
        // Simple folding keeps the length; keep the entry's own length whatever happens so that
        // positions inside an entry stay meaningful.
        if (f.size() != e.size())
            f = e;
        m_folded.append(f);
        m_offsets.push_back(static_cast<std::uint32_t>(m_folded.size()));
    }

    m_sorted.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        m_sorted[i] = static_cast<std::uint32_t>(i);
    std::sort(m_sorted.begin(), m_sorted.end(), [this](std::uint32_t a, std::uint32_t b) {
        const Folded fa = folded(a), fb = folded(b);
        return fa != fb ? fa < fb : a < b;
    });

    m_tree.assign(2 * n, 0);
    std::copy(m_sorted.begin(), m_sorted.end(), m_tree.begin() + static_cast<std::ptrdiff_t>(n));
    for (std::size_t i = n; i-- > 1;)
        m_tree[i] = std::min(m_tree[2 * i], m_tree[2 * i + 1]);
    m_indexed = true;
}

SearchList::Folded SearchList::folded(std::uint32_t position) const
{
    const std::uint32_t from = m_offsets[position];
    return {reinterpret_cast<const char16_t*>(m_folded.constData()) + from, m_offsets[position + 1] - from};
}

qsizetype SearchList::findString(const QString& text) const
{
    if (text.isEmpty())
        return -1;
    return m_indexed ? findIndexed(text) : findLinear(text);
}

qsizetype SearchList::findLinear(const QString& text) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (beginsWith(m_entries.at(i), text))
            return i;
    }
    return -1;
}

qsizetype SearchList::findIndexed(const QString& text) const
{
    const QString foldedText = text.toCaseFolded();
    const Folded prefix(reinterpret_cast<const char16_t*>(foldedText.constData()),
                        static_cast<std::size_t>(foldedText.size()));
    // The entries that begin with the prefix are the run of sorted entries starting at the first
    // one not below it.
    const auto first = std::lower_bound(m_sorted.begin(), m_sorted.end(), prefix,
                                        [this](std::uint32_t p, Folded t) { return folded(p) < t; });
    const auto last = std::partition_point(first, m_sorted.end(),
                                           [this, prefix](std::uint32_t p) { return folded(p).starts_with(prefix); });
    if (first == last)
        return -1;
    return earliestIn(static_cast<std::size_t>(first - m_sorted.begin()),
                      static_cast<std::size_t>(last - m_sorted.begin()));
}

std::uint32_t SearchList::earliestIn(std::size_t from, std::size_t to) const
{
    const std::size_t n = m_sorted.size();
    std::uint32_t best = UINT32_MAX;
    for (from += n, to += n; from < to; from /= 2, to /= 2) {
        if (from & 1)
            best = std::min(best, m_tree[from++]);
        if (to & 1)
            best = std::min(best, m_tree[--to]);
    }
    return best;
}
