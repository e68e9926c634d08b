#pragma once
// Name -> entry identifier. Keys compare exactly, letter case included; a key already present
// keeps its value, so of several contacts sharing a name the one added first owns it.

#include <QHash>
#include <QString>

class ContactIndex {
public:
    void RemoveAll() { m_map.clear(); }
    bool Exists(const QString& key) const { return m_map.contains(key); }
    // Adds only an absent key.
    void Add(const QString& key, const QString& value)
    {
        if (!m_map.contains(key))
            m_map.insert(key, value);
    }
    // The stored value, or the empty string for an absent key.
    QString Item(const QString& key) const { return m_map.value(key); }
    qsizetype Count() const { return m_map.size(); }
    void reserve(qsizetype n) { m_map.reserve(n); }

private:
    QHash<QString, QString> m_map;
};
