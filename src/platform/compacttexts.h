#pragma once
// Texts such as file names and entry identifiers, nearly always Latin-1 (most often ASCII): kept
// one byte a letter while every text added is, as PackedTexts once one is not.

#include "packedtexts.h"

#include <QByteArray>

class CompactTexts {
public:
    void reserve(qsizetype texts, qsizetype letters);
    void append(QStringView text);
    void squeeze();

    qsizetype count() const { return m_wide ? m_wideTexts.count() : qsizetype(m_ends.size()); }
    QString at(qsizetype i) const;
    bool equals(qsizetype i, QStringView text) const;
    qsizetype length(qsizetype i) const;
    QStringList toList() const;
    // Whether the texts are held two bytes a letter.
    bool isWide() const { return m_wide; }

private:
    QLatin1StringView latin1(qsizetype i) const;

    QByteArray m_latin1;
    std::vector<std::uint32_t> m_ends; // where each text ends in m_latin1
    bool m_wide = false;
    PackedTexts m_wideTexts;
};
