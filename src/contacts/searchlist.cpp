#include "searchlist.h"

#include "allocator.h"

#include <QSet>

#include <algorithm>

void SearchList::clear()
{
    m_entries.clear();
    m_indexed = false;
    m_folded.clear();
    m_sorted.clear();
    m_tree.clear();
}

void SearchList::reserve(qsizetype n, qsizetype letters)
{
    m_entries.reserve(n, letters);
    m_folded.reserve(letters);
    allocator::preferHugePages(m_folded.constData(), std::size_t(m_folded.capacity()) * sizeof(QChar));
}

void SearchList::append(QStringView entry)
{
    m_entries.append(entry);
    // The folded copy grows beside the entries, folded while the entry is at hand.
    const qsizetype at = m_folded.size();
    m_folded.append(entry);
    foldInPlace(reinterpret_cast<char16_t*>(m_folded.data()) + at, entry.size());
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

bool SearchList::beginsWith(QStringView entry, const QString& text)
{
    return !text.isEmpty() && entry.size() >= text.size() &&
           foldedCopy(entry.left(text.size()).toString()) == foldedCopy(text);
}

void SearchList::foldEntries()
{
    const auto n = static_cast<std::size_t>(m_entries.count());
    m_entries.squeeze();
    if (m_folded.size() == m_entries.letters().size()) {
        m_folded.squeeze();
        return;
    }
    // A copy of the letters of its own, folded entry by entry (a character never folds together
    // with the next entry's first).
    m_folded = m_entries.letters();
    char16_t* buffer = reinterpret_cast<char16_t*>(m_folded.data());
    for (std::size_t i = 0; i < n; ++i) {
        const auto at = static_cast<qsizetype>(i);
        foldInPlace(buffer + m_entries.start(at), m_entries.end(at) - m_entries.start(at));
    }
}

bool SearchList::sortsBefore(std::uint32_t a, std::uint32_t b) const
{
    const int c = folded(a).compare(folded(b));
    return c != 0 ? c < 0 : a < b;
}

void SearchList::finish()
{
    const auto n = static_cast<std::size_t>(m_entries.count());
    foldEntries();
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
        return a.head != b.head ? a.head < b.head : sortsBefore(a.position, b.position);
    });
    m_sorted.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        m_sorted[i] = keys[i].position;
    buildTree();
}

bool SearchList::finishWith(std::vector<std::uint32_t> sorted)
{
    const auto n = static_cast<std::size_t>(m_entries.count());
    if (sorted.size() != n)
        return false;
    std::vector<char> seen(n, 0);
    for (const std::uint32_t p : sorted) {
        if (p >= n || seen[p])
            return false;
        seen[p] = 1;
    }
    foldEntries();
    // The order finish() makes is the only one in which every entry sorts before the next.
    for (std::size_t i = 1; i < n; ++i) {
        if (!sortsBefore(sorted[i - 1], sorted[i]))
            return false;
    }
    m_sorted = std::move(sorted);
    buildTree();
    return true;
}

void SearchList::buildTree()
{
    const std::size_t n = m_sorted.size();
    m_tree.assign(2 * n, 0);
    std::copy(m_sorted.begin(), m_sorted.end(), m_tree.begin() + static_cast<std::ptrdiff_t>(n));
    for (std::size_t i = n; i-- > 1;)
        m_tree[i] = std::min(m_tree[2 * i], m_tree[2 * i + 1]);
    m_indexed = true;
}

SearchList SearchList::subset(const SearchList& list, const std::vector<std::uint32_t>& positions)
{
    SearchList out;
    qsizetype total = 0;
    for (std::uint32_t p : positions)
        total += list.m_entries.view(p).size();
    out.m_entries.reserve(static_cast<qsizetype>(positions.size()), total);
    for (std::uint32_t p : positions)
        out.m_entries.append(list.m_entries.view(p));
    if (!list.m_indexed) {
        out.finish();
        return out;
    }
    // The folded texts are copied; the sorted order is the list's own with the other entries left
    // out, since renumbering the kept ones keeps their order.
    std::vector<std::int32_t> renumbered(static_cast<std::size_t>(list.count()), -1);
    out.m_folded.reserve(total);
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const Folded f = list.folded(positions[i]);
        out.m_folded.append(QStringView(f.data(), static_cast<qsizetype>(f.size())));
        renumbered[positions[i]] = static_cast<std::int32_t>(i);
    }
    out.m_sorted.reserve(positions.size());
    for (std::uint32_t p : list.m_sorted) {
        if (renumbered[p] >= 0)
            out.m_sorted.push_back(static_cast<std::uint32_t>(renumbered[p]));
    }
    out.buildTree();
    return out;
}

qsizetype SearchList::countDistinct() const
{
    // Texts that differ only in letter case stand together in the sorted order: each such run is
    // counted on its own.
    qsizetype distinct = 0;
    std::vector<QStringView> run;
    for (std::size_t i = 0, n = m_sorted.size(); i < n;) {
        std::size_t end = i + 1;
        while (end < n && folded(m_sorted[end]) == folded(m_sorted[i]))
            ++end;
        run.clear();
        for (std::size_t k = i; k < end; ++k)
            run.push_back(m_entries.view(m_sorted[k]));
        std::sort(run.begin(), run.end());
        distinct += std::unique(run.begin(), run.end()) - run.begin();
        i = end;
    }
    return distinct;
}

SearchList::Folded SearchList::folded(std::uint32_t position) const
{
    const qsizetype from = m_entries.start(position);
    return {reinterpret_cast<const char16_t*>(m_folded.constData()) + from,
            static_cast<std::size_t>(m_entries.end(position) - from)};
}

qsizetype SearchList::findString(const QString& text) const
{
    if (text.isEmpty())
        return -1;
    return m_indexed ? findIndexed(text) : findLinear(text);
}

qsizetype SearchList::findExact(const QString& text) const
{
    if (!m_indexed) {
        for (qsizetype i = 0; i < m_entries.count(); ++i) {
            if (m_entries.view(i) == text)
                return i;
        }
        return -1;
    }
    const QString foldedText = foldedCopy(text);
    const Folded key(reinterpret_cast<const char16_t*>(foldedText.constData()),
                     static_cast<std::size_t>(foldedText.size()));
    // Within the run of entries equal but for letter case, positions ascend: the first exact one
    // is the earliest.
    const auto [from, to] = sortedRun(key, true);
    for (std::size_t i = from; i < to; ++i) {
        if (m_entries.view(m_sorted[i]) == text)
            return m_sorted[i];
    }
    return -1;
}

qsizetype SearchList::distinctCount() const
{
    // Asked for seldom: counted when asked.
    if (m_indexed)
        return countDistinct();
    const QStringList all = entries();
    return QSet<QString>(all.begin(), all.end()).size();
}

std::pair<std::size_t, std::size_t> SearchList::sortedRun(Folded text, bool whole) const
{
    const auto first = std::lower_bound(m_sorted.begin(), m_sorted.end(), text,
                                        [this](std::uint32_t p, Folded t) { return folded(p) < t; });
    const auto last = std::partition_point(first, m_sorted.end(), [this, text, whole](std::uint32_t p) {
        return whole ? folded(p) == text : folded(p).starts_with(text);
    });
    return {static_cast<std::size_t>(first - m_sorted.begin()), static_cast<std::size_t>(last - m_sorted.begin())};
}

qsizetype SearchList::findLinear(const QString& text) const
{
    for (qsizetype i = 0; i < m_entries.count(); ++i) {
        if (beginsWith(m_entries.view(i), text))
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
    const auto [from, to] = sortedRun(prefix, false);
    return from == to ? qsizetype(-1) : qsizetype(earliestIn(from, to));
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
