#pragma once
// The search list: entries in insertion order, searched by prefix. findString answers "the first
// entry, in list order, whose text begins with this text, letters compared without regard to
// case"; an empty text matches nothing.
//
// Letter case is compared through Unicode simple case folding (QString::toCaseFolded), which maps
// every code point to one code point and so keeps lengths: a prefix of the folded entry is the
// folded form of a prefix of the entry.
//
// finish() builds an index so that a search costs O(log n) instead of a scan: the positions of
// the entries sorted by folded text (the entries with one prefix then form a run), and a minimum
// tree over those positions that answers "the earliest position in this run". The entries are
// folded as they are compared, a code unit at a time, rather than kept folded beside them: at
// 100,000 contacts a folded copy of the names cost more memory than the whole index.
//
// The entries may be the texts of others: a back-end that keeps its contacts' names packed hands
// them over by reference, and a subset refers to its list's texts, so a name is held once. A list
// that is added to takes its own copy of those texts first; the texts others refer to never change.

#include "packedtexts.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

class SearchList {
public:
    void clear();
    void append(QStringView entry);
    // Text index of kept, referred to while every entry so far is one of kept's; copied else.
    void append(const std::shared_ptr<const PackedTexts>& kept, qsizetype index);
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
    // The subset refers to the list's texts.
    static SearchList subset(const SearchList& list, const std::vector<std::uint32_t>& positions);
    qsizetype count() const { return m_own ? m_own->count() : qsizetype(m_index.size()); }
    QString at(qsizetype i) const { return view(i).toString(); }
    // Valid until the next append.
    QStringView view(qsizetype i) const
    {
        return m_own ? m_own->view(i) : m_kept->view(qsizetype(m_index[std::size_t(i)]));
    }
    QStringList entries() const;
    // Whether the entries are kept's texts, not copies.
    bool refersTo(const PackedTexts& kept) const { return m_kept.get() == &kept; }

    // The index of the first matching entry, or -1.
    qsizetype findString(const QString& text) const;
    // The index of the first entry whose text is exactly this text, letter case included (the
    // empty text too), or -1.
    qsizetype findExact(const QString& text) const;
    // How many different texts the entries hold, letter case counting.
    qsizetype distinctCount() const;

    bool isIndexed() const { return m_indexed; }

    // Code unit i of the text under Unicode simple case folding, as QString::toCaseFolded folds
    // it (a pair of surrogates as one character), but for a lone half of a pair, which stays as
    // it is. Folded texts compare code unit by code unit as QString::compare(…,
    // Qt::CaseInsensitive) compares the originals.
    static char16_t foldedAt(QStringView text, qsizetype i);
    // The folded texts compared code unit by code unit, as their folded copies would compare.
    static int compareFolded(QStringView a, QStringView b);

private:
    static QString foldedCopy(const QString& text);
    // The rule itself, entry by entry: does entry begin with text, case folded?
    static bool beginsWith(QStringView entry, const QString& text);
    using Folded = std::u16string_view;
    // The entry folded against a text already folded: below zero, zero or above.
    static int compareToFolded(QStringView entry, Folded folded);
    static bool beginsWithFolded(QStringView entry, Folded folded);
    qsizetype findLinear(const QString& text) const;
    qsizetype findIndexed(const QString& text) const;
    // The run of sorted positions whose folded text equals (whole) or begins with (prefix) text.
    std::pair<std::size_t, std::size_t> sortedRun(Folded text, bool whole) const;
    qsizetype countDistinct() const;
    void squeeze();
    void takeOwnCopy();
    // The index's order: folded text, then position.
    bool sortsBefore(std::uint32_t a, std::uint32_t b) const;
    std::uint32_t nodeAt(std::size_t node) const;
    std::uint32_t earliestIn(std::size_t from, std::size_t to) const;
    void buildTree();

    // Exactly one of the two holds the texts once one was added: this list's own (entry i is text
    // i), or others' (entry i is text m_index[i] of m_kept).
    std::shared_ptr<PackedTexts> m_own;
    std::shared_ptr<const PackedTexts> m_kept;
    std::vector<std::uint32_t> m_index;
    qsizetype m_reservedEntries = 0;
    qsizetype m_reservedLetters = 0;
    bool m_indexed = false;
    std::vector<std::uint32_t> m_sorted; // positions ordered by folded text
    // Minimum tree over m_sorted: inner nodes at [1, n), the leaves (node n + i is m_sorted[i])
    // read from m_sorted itself.
    std::vector<std::uint32_t> m_tree;
};
