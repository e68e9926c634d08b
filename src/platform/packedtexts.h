#pragma once
// Many short texts in one buffer, in the order they were added. A QString of its own costs a text
// an allocation, a header and a list slot, some 60 bytes beyond its letters; here it costs its
// letters and one offset. 100,000 contacts' names and entry identifiers are most of the bar's
// memory, so the lists keep them this way.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

class PackedTexts {
public:
    void reserve(qsizetype texts, qsizetype letters);
    void append(QStringView text);
    void append(QLatin1StringView text);
    void clear();
    // Gives back what reserve and growing set aside beyond the texts.
    void squeeze();

    qsizetype count() const { return static_cast<qsizetype>(m_ends.size()); }
    bool isEmpty() const { return m_ends.empty(); }
    // Valid until the next append.
    QStringView view(qsizetype i) const { return QStringView(m_letters).sliced(start(i), end(i) - start(i)); }
    QString at(qsizetype i) const { return view(i).toString(); }
    QStringList toList() const;

    // Text i is letters()[start(i), end(i)).
    const QString& letters() const { return m_letters; }
    qsizetype start(qsizetype i) const { return i == 0 ? 0 : qsizetype(m_ends[std::size_t(i) - 1]); }
    qsizetype end(qsizetype i) const { return qsizetype(m_ends[std::size_t(i)]); }

    friend bool operator==(const PackedTexts& a, const PackedTexts& b)
    {
        return a.m_ends == b.m_ends && a.m_letters == b.m_letters;
    }

private:
    QString m_letters;
    std::vector<std::uint32_t> m_ends; // where each text ends in m_letters
};
