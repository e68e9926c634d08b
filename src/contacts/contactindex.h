#pragma once
// Name -> entry identifier. Keys compare exactly, letter case included; of several contacts sharing
// a name the one added first owns it.
//
// The names are the search list's entries (the file-as name and full name of every contact), so the
// index is looked up through the search list's own sorted index rather than a table of its own: a
// view of the lists it was made from, valid while they are.

#include <QString>

struct ContactListData;

class ContactIndex {
public:
    ContactIndex() = default;
    explicit ContactIndex(const ContactListData& lists) : m_lists(&lists) {}

    bool Exists(const QString& key) const;
    // The stored value, or the empty string for an absent key.
    QString Item(const QString& key) const;
    qsizetype Count() const;

private:
    const ContactListData* m_lists = nullptr;
};
