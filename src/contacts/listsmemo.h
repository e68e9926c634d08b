#pragma once
// The two orders of the lists (the drop-down's names, the search index) kept in the item set's
// memo from one run to the next: sorting 100,000 names is most of building the lists, and an
// address book that has not changed since gives the same orders again.

#include <QByteArray>

struct ContactListData;

namespace listsmemo {

// The bytes that keep the orders of finished lists.
QByteArray encode(const ContactListData& lists);

// Puts kept orders into lists whose entries are filled but not yet ordered. False, with the lists
// left as they were, when the bytes are not the orders of these very lists under today's
// collation (other names, another locale or collation library, damage).
bool apply(const QByteArray& bytes, ContactListData& lists);

} // namespace listsmemo
