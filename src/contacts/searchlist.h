#pragma once
// The search list: entries in insertion order, searched by prefix. findString answers "the first
// entry, in list order, whose text begins with this text, letters compared without regard to
// case"; an empty text matches nothing.

#include <QString>
#include <QStringList>

class SearchList {
public:
    void clear();
    void append(const QString& entry);
    // Call once after the last append; makes the entries searchable.
    void finish();
    qsizetype count() const { return m_entries.size(); }
    const QString& at(qsizetype i) const { return m_entries.at(i); }
    const QStringList& entries() const { return m_entries; }

    // The index of the first matching entry, or -1.
    qsizetype findString(const QString& text) const;

private:
    QStringList m_entries;
};
