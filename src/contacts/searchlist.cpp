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

void SearchList::foldInPlace(char16_t* p, qsizetype n)
{
    // Code point by code point, as QString::toCaseFolded does; simple folding maps a character
    // to one of the same width (a pair stays a pair), so the text keeps its length. A lone half
    // of a pair stays as it is and never joins a neighbour.
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] < 0x80) {
            // ASCII, most of most address books: only A to Z fold.
            if (p[i] >= u'A' && p[i] <= u'Z')
                p[i] = static_cast<char16_t>(p[i] + (u'a' - u'A'));
        } else if (QChar::isHighSurrogate(p[i]) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            const char32_t folded = QChar::toCaseFolded(QChar::surrogateToUcs4(p[i], p[i + 1]));
            if (QChar::requiresSurrogates(folded)) {
                p[i] = QChar::highSurrogate(folded);
                p[i + 1] = QChar::lowSurrogate(folded);
            }
            ++i;
        } else if (!QChar::isSurrogate(p[i])) {
            const char32_t folded = QChar::toCaseFolded(char32_t(p[i]));
            if (!QChar::requiresSurrogates(folded))
                p[i] = static_cast<char16_t>(folded);
        }
    }
}

QString SearchList::foldedCopy(const QString& text)
{
    QString f = text;
    foldInPlace(reinterpret_cast<char16_t*>(f.data()), f.size());
    return f;
}

bool SearchList::beginsWith(const QString& entry, const QString& text)
{
    return !text.isEmpty() && entry.size() >= text.size() && foldedCopy(entry.left(text.size())) == foldedCopy(text);
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
        m_folded.append(e);
        m_offsets.push_back(static_cast<std::uint32_t>(m_folded.size()));
    }
    char16_t* buffer = reinterpret_cast<char16_t*>(m_folded.data());
    for (std::size_t i = 0; i < n; ++i)
        foldInPlace(buffer + m_offsets[i], m_offsets[i + 1] - m_offsets[i]);

    // Sorting compares the first four code units at once; only entries alike that far compare
    // their whole text.
    struct Key {
        std::uint64_t head;
        std::uint32_t position;
    };
    std::vector<Key> keys(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Folded f = folded(static_cast<std::uint32_t>(i));
        std::uint64_t head = 0;
        for (std::size_t k = 0; k < 4; ++k)
            head = (head << 16) | (k < f.size() ? f[k] : 0);
        keys[i] = {head, static_cast<std::uint32_t>(i)};
    }
    std::sort(keys.begin(), keys.end(), [this](const Key& a, const Key& b) {
        if (a.head != b.head)
            return a.head < b.head;
        const int c = folded(a.position).compare(folded(b.position));
        return c != 0 ? c < 0 : a.position < b.position;
    });
    m_sorted.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        m_sorted[i] = keys[i].position;

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
    const QString foldedText = foldedCopy(text);
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
