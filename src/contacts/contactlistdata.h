#pragma once
// What the bar's lists are built from one item set: the search list, the contacts' entry
// identifiers and the drop-down's sorted names. Built without widgets, so it can be built off the
// UI thread.

#include "contacts/searchlist.h"

#include <QStringList>

namespace contactclient {
class ItemSet;
}

struct ContactListData {
    // The file-as name and full name of every contact, in item order: contact i's are entries 2i
    // and 2i + 1.
    SearchList search;
    QStringList entryIds; // contact i's entry identifier
    QStringList names;    // the file-as names, sorted for the drop-down
    int contactCount = 0;

    // The contact owning a name, exactly as written (file-as or full name; the first in item order
    // of several sharing it), or -1.
    qsizetype contactNamed(const QString& name) const;
};

// Contacts only: other item types (contact groups) are left out.
ContactListData buildContactLists(const contactclient::ItemSet& items);
