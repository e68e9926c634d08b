#include "searchlist.h"

#include "contacts/renumbering.h"

#include <QSet>

#include <algorithm>

void SearchList::clear()
{
    *this = SearchList();
}

void SearchList::reserve(qsizetype n, qsizetype letters)
{
    // Kept for whichever the entries turn out to be: copies, or others' texts referred to.
    m_reservedEntries = n;
    m_reservedLetters = letters;
    if (m_own)
        m_own->reserve(n, letters);
}

void SearchList::takeOwnCopy()
{
    // The texts referred to (or shared with a copy or a subset) are copied: from here on all are
    // kept here, and the others keep theirs unchanged.
    auto own = std::make_shared<PackedTexts>();
    qsizetype letters = 0;
    for (qsizetype i = 0; i < count(); ++i)
        letters += view(i).size();
    own->reserve(std::max(count(), m_reservedEntries), std::max(letters, m_reservedLetters));
    for (qsizetype i = 0; i < count(); ++i)
        own->append(view(i));
    m_kept.reset();
    m_index = {};
    m_own = std::move(own);
}

void SearchList::append(QStringView entry)
{
    if (!m_own || m_own.use_count() > 1)
        takeOwnCopy();
    m_own->append(entry);
    m_indexed = false;
}

void SearchList::append(const std::shared_ptr<const PackedTexts>& kept, qsizetype index)
{
    if (!m_own && (!m_kept || m_kept == kept)) {
        if (!m_kept)
            m_index.reserve(std::size_t(m_reservedEntries));
        m_kept = kept;
        m_index.push_back(std::uint32_t(index));
        m_indexed = false;
        return;
    }
    append(kept->view(index));
}

QStringList SearchList::entries() const
{
    QStringList all;
    all.reserve(count());
    for (qsizetype i = 0; i < count(); ++i)
        all.append(at(i));
    return all;
}

char16_t SearchList::foldedAt(QStringView text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
    if (QChar::isHighSurrogate(c)) {
        if (i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            const char32_t folded = QChar::toCaseFolded(QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            return QChar::requiresSurrogates(folded) ? QChar::highSurrogate(folded) : c;
        }
        return c;
    }
    if (QChar::isLowSurrogate(c)) {
        // The second half of a pair when a first half stands before it (that one cannot be the
        // second half of another pair).
        if (i > 0 && QChar::isHighSurrogate(text[i - 1].unicode())) {
            const char32_t folded = QChar::toCaseFolded(QChar::surrogateToUcs4(text[i - 1].unicode(), c));
            return QChar::requiresSurrogates(folded) ? QChar::lowSurrogate(folded) : c;
        }
        return c;
    }
    const char32_t folded = QChar::toCaseFolded(char32_t(c));
    return QChar::requiresSurrogates(folded) ? c : static_cast<char16_t>(folded);
}

int SearchList::compareFolded(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = foldedAt(a, i);
        const char16_t y = foldedAt(b, i);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

int SearchList::compareToFolded(QStringView entry, Folded folded)
{
    const qsizetype n = std::min(entry.size(), qsizetype(folded.size()));
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = foldedAt(entry, i);
        const char16_t y = folded[std::size_t(i)];
        if (x != y)
            return x < y ? -1 : 1;
    }
    return entry.size() == qsizetype(folded.size()) ? 0 : entry.size() < qsizetype(folded.size()) ? -1 : 1;
}

bool SearchList::beginsWithFolded(QStringView entry, Folded folded)
{
    if (entry.size() < qsizetype(folded.size()))
        return false;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        if (foldedAt(entry, qsizetype(i)) != folded[i])
            return false;
    }
    return true;
}

QString SearchList::foldedCopy(const QString& text)
{
    QString f(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        f[i] = QChar(foldedAt(text, i));
    return f;
}

bool SearchList::beginsWith(QStringView entry, const QString& text)
{
    return !text.isEmpty() && entry.size() >= text.size() &&
           foldedCopy(entry.left(text.size()).toString()) == foldedCopy(text);
}

void SearchList::squeeze()
{
    if (m_own)
        m_own->squeeze();
    m_index.shrink_to_fit();
}

bool SearchList::sortsBefore(std::uint32_t a, std::uint32_t b) const
{
    const int c = compareFolded(view(a), view(b));
    return c != 0 ? c < 0 : a < b;
}

void SearchList::finish()
{
    const auto n = static_cast<std::size_t>(count());
    squeeze();
    // Sorting compares the first four folded code units at once; only entries alike that far
    // compare their whole text.
    struct Key {
        std::uint64_t head;
        std::uint32_t position;
    };
    std::vector<Key> keys(n);
    for (std::size_t i = 0; i < n; ++i) {
        const QStringView e = view(qsizetype(i));
        std::uint64_t head = 0;
        for (qsizetype k = 0; k < 4; ++k)
            head = (head << 16) | (k < e.size() ? foldedAt(e, k) : 0);
        keys[i] = {head, static_cast<std::uint32_t>(i)};
    }
    std::sort(keys.begin(), keys.end(), [this](const Key& a, const Key& b) {
        return a.head != b.head ? a.head < b.head : sortsBefore(a.position, b.position);
    });
    m_sorted.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        m_sorted[i] = keys[i].position;
    keys = {};
    buildTree();
}

bool SearchList::finishWith(std::vector<std::uint32_t> sorted)
{
    const auto n = static_cast<std::size_t>(count());
    if (sorted.size() != n)
        return false;
    std::vector<char> seen(n, 0);
    for (const std::uint32_t p : sorted) {
        if (p >= n || seen[p])
            return false;
        seen[p] = 1;
    }
    squeeze();
    // The order finish() makes is the only one in which every entry sorts before the next.
    for (std::size_t i = 1; i < n; ++i) {
        if (!sortsBefore(sorted[i - 1], sorted[i]))
            return false;
    }
    m_sorted = std::move(sorted);
    buildTree();
    return true;
}

std::uint32_t SearchList::nodeAt(std::size_t node) const
{
    const std::size_t n = m_sorted.size();
    return node >= n ? m_sorted[node - n] : m_tree[node];
}

void SearchList::buildTree()
{
    const std::size_t n = m_sorted.size();
    m_tree.assign(n, 0);
    for (std::size_t i = n; i-- > 1;)
        m_tree[i] = std::min(nodeAt(2 * i), nodeAt(2 * i + 1));
    m_indexed = true;
}

SearchList SearchList::subset(const SearchList& list, const std::vector<std::uint32_t>& positions)
{
    SearchList out;
    // The same texts, referred to.
    out.m_kept = list.m_own ? std::shared_ptr<const PackedTexts>(list.m_own) : list.m_kept;
    out.m_index.reserve(positions.size());
    for (const std::uint32_t p : positions)
        out.m_index.push_back(list.m_own ? p : list.m_index[p]);
    if (!list.m_indexed) {
        out.finish();
        return out;
    }
    // The sorted order is the list's own with the other entries left out, since renumbering the
    // kept ones keeps their order.
    const Renumbering renumbered(std::size_t(list.count()), positions);
    out.m_sorted.reserve(positions.size());
    for (std::uint32_t p : list.m_sorted) {
        if (renumbered.kept(p))
            out.m_sorted.push_back(renumbered.placeOf(p));
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
        while (end < n && compareFolded(view(m_sorted[end]), view(m_sorted[i])) == 0)
            ++end;
        run.clear();
        for (std::size_t k = i; k < end; ++k)
            run.push_back(view(m_sorted[k]));
        std::sort(run.begin(), run.end());
        distinct += std::unique(run.begin(), run.end()) - run.begin();
        i = end;
    }
    return distinct;
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
        for (qsizetype i = 0; i < count(); ++i) {
            if (view(i) == text)
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
        if (view(m_sorted[i]) == text)
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
                                        [this](std::uint32_t p, Folded t) { return compareToFolded(view(p), t) < 0; });
    const auto last = std::partition_point(first, m_sorted.end(), [this, text, whole](std::uint32_t p) {
        return whole ? compareToFolded(view(p), text) == 0 : beginsWithFolded(view(p), text);
    });
    return {static_cast<std::size_t>(first - m_sorted.begin()), static_cast<std::size_t>(last - m_sorted.begin())};
}

qsizetype SearchList::findLinear(const QString& text) const
{
    for (qsizetype i = 0; i < count(); ++i) {
        if (beginsWith(view(i), text))
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
            best = std::min(best, nodeAt(from++));
        if (to & 1)
            best = std::min(best, nodeAt(--to));
    }
    return best;
}
