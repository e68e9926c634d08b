#pragma once
// The categories the address book itself uses, offered when the user adds a category to the bar:
// read from the fields the lists already hold, so nothing is asked of the address book again.

#include <QStringList>

struct ContactListData;

namespace bookcategories {

// Every category the contacts of the lists carry, once each (letter case ignored, as the category
// filter ignores it; the first spelling met is kept), in the order of the bar's category lists.
QStringList of(const ContactListData& lists);

// The categories worth offering: those of the book the bar does not list yet (letter case ignored).
QStringList notYetListed(const QStringList& bookCategories, const QStringList& listed);

} // namespace bookcategories
