#pragma once
// What the bar's lists are built from one item set: the name index, the search list and the
// drop-down's sorted names. Built without widgets, so it can be built off the UI thread.

#include "contacts/contactindex.h"
#include "contacts/searchlist.h"

#include <QStringList>

namespace contactclient {
class ItemSet;
}

struct ContactListData {
    ContactIndex index;
    SearchList search; // file-as and full name of every contact, in item order
    QStringList names; // the file-as names, sorted for the drop-down
    int contactCount = 0;
};

// Contacts only: other item types (contact groups) are left out. Of several contacts sharing a
// name the first in item order owns it.
ContactListData buildContactLists(const contactclient::ItemSet& items);
