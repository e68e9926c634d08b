#pragma once
// The search list: entries in insertion order, searched by prefix. findString answers "the first
// entry, in list order, whose text begins with this text, letters compared without regard to
// case"; an empty text matches nothing.
//
// Letter case is compared through Unicode simple case folding (QString::toCaseFolded), which maps
// every code point to one code point and so keeps lengths: a prefix of the folded entry is the
// folded form of a prefix of the entry.
//
// finish() builds an index so that a search costs O(log n) instead of a scan: the folded entries
// in one buffer beside the entries (same offsets: folding keeps lengths), their positions sorted
// by folded text (the entries with one prefix then form a run), and a minimum tree over those
// positions that answers "the earliest position in this run".

#include "packedtexts.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

class SearchList {
public:
    void clear();
    void append(QStringView entry);
    // Room for n entries of about this many letters in all.
    void reserve(qsizetype n, qsizetype letters = 0);
    // Call once after the last append; makes the entries searchable through the index. Until
    // then (and after any later append) searches scan the list.
    void finish();
    // finish() with the order of the entries that an earlier finish() of the very same entries
    // made (sortedOrder()), without sorting them again. False, and the list left unfinished, when
    // it is not that order.
    bool finishWith(std::vector<std::uint32_t> sorted);
    // The positions of the entries in the index's order (finished lists only).
    const std::vector<std::uint32_t>& sortedOrder() const { return m_sorted; }
    // The entries at these positions of the list (ascending), finished: the same list as appending
    // them one by one and finishing, without sorting again when the list is finished.
    static SearchList subset(const SearchList& list, const std::vector<std::uint32_t>& positions);
    qsizetype count() const { return m_entries.count(); }
    QString at(qsizetype i) const { return m_entries.at(i); }
    // Valid until the next append.
    QStringView view(qsizetype i) const { return m_entries.view(i); }
    QStringList entries() const { return m_entries.toList(); }

    // The index of the first matching entry, or -1.
    qsizetype findString(const QString& text) const;
    // The index of the first entry whose text is exactly this text, letter case included (the
    // empty text too), or -1.
    qsizetype findExact(const QString& text) const;
    // How many different texts the entries hold, letter case counting.
    qsizetype distinctCount() const;

    bool isIndexed() const { return m_indexed; }

    // Unicode simple case folding of every character, keeping the length. Folded texts compare
    // code unit by code unit as QString::compare(…, Qt::CaseInsensitive) compares the originals.
    static void foldInPlace(char16_t* text, qsizetype length);

private:
    static QString foldedCopy(const QString& text);
    // The rule itself, entry by entry: does entry begin with text, case folded?
    static bool beginsWith(QStringView entry, const QString& text);
    using Folded = std::u16string_view;
    Folded folded(std::uint32_t position) const;
    qsizetype findLinear(const QString& text) const;
    qsizetype findIndexed(const QString& text) const;
    // The run of sorted positions whose folded text equals (whole) or begins with (prefix) text.
    std::pair<std::size_t, std::size_t> sortedRun(Folded text, bool whole) const;
    qsizetype countDistinct() const;
    void foldEntries();
    // The index's order: folded text, then position.
    bool sortsBefore(std::uint32_t a, std::uint32_t b) const;
    std::uint32_t earliestIn(std::size_t from, std::size_t to) const;
    void buildTree();

    PackedTexts m_entries;
    bool m_indexed = false;
    QString m_folded;                    // every entry folded, where m_entries has it (kept as appended)
    std::vector<std::uint32_t> m_sorted; // positions ordered by folded text
    std::vector<std::uint32_t> m_tree;   // minimum tree over m_sorted: leaves at [n, 2n)
};
