#pragma once
// Texts that may be held elsewhere. A back-end that keeps its contacts' texts packed (a vCard
// folder's records) hands them over by reference, and the lists of part of the contacts (a
// category) refer to the texts of all of them, so each text is held once. Texts handed over
// otherwise are copied and kept here, one byte a letter while they are Latin-1 (CompactTexts).
//
// Filled on one thread, then only read. A copy or a part that is added to takes its own copy of
// the texts first, so the texts others refer to never change.

#include "compacttexts.h"
#include "mixedtexts.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <vector>

class SharedTexts {
public:
    void reserve(qsizetype texts, qsizetype letters);
    void append(QStringView text);
    // Text index of kept, referred to while every text so far is one of kept's; copied else.
    void append(const std::shared_ptr<const MixedTexts>& kept, qsizetype index);
    void squeeze();

    qsizetype count() const { return qsizetype(m_index.size()); }
    QString at(qsizetype i) const;
    qsizetype length(qsizetype i) const;

    // The texts which (numbers of texts here), referring to the same texts.
    SharedTexts subset(const std::vector<std::uint32_t>& which) const;
    // Whether the texts are kept's, not copies.
    bool refersTo(const MixedTexts& kept) const { return m_kept.get() == &kept; }

private:
    void takeOwnCopy();

    // Exactly one of the two holds the texts once one was added.
    std::shared_ptr<const MixedTexts> m_kept;
    std::shared_ptr<CompactTexts> m_own;
    std::vector<std::uint32_t> m_index; // text i is text m_index[i] of m_kept or m_own
    qsizetype m_reservedLetters = 0;
};
