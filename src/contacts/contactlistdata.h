#pragma once
// What the bar's lists are built from one item set: the search list, the contacts' entry
// identifiers and the drop-down's sorted names. Built without widgets, so it can be built off the
// UI thread.

#include "compacttexts.h"
#include "contacts/searchlist.h"
#include "sharedtexts.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace contactclient {
class ItemSet;
}

struct ContactListData {
    // The file-as name and full name of every contact, in item order: contact i's are entries 2i
    // and 2i + 1.
    SearchList search;
    CompactTexts entryIds;            // contact i's entry identifier
    SharedTexts fields;               // contact i's other fields to be found by (searchfields.h)
    std::vector<std::uint32_t> order; // the contacts sorted by file-as name, for the drop-down
    int contactCount = 0;
    // Lists of part of other lists (a category of all contacts): those lists, when the caller
    // keeps them, and the number there of each contact here (set by subsetOf).
    std::shared_ptr<const ContactListData> whole;
    std::vector<std::uint32_t> inWhole;

    // The drop-down's name k: the file-as name of the contact at place k of order.
    QString sortedName(qsizetype k) const { return search.at(2 * qsizetype(order[std::size_t(k)])); }
    QStringList sortedNames() const;

    // The contact owning a name, exactly as written (file-as or full name; the first in item order
    // of several sharing it), or -1.
    qsizetype contactNamed(const QString& name) const;
};

// Contacts only: other item types (contact groups) are left out.
ContactListData buildContactLists(const contactclient::ItemSet& items);

// The lists of some of the contacts of all (their numbers ascending): the same lists as built from
// those contacts' items, without sorting again.
ContactListData subsetOf(const ContactListData& all, const std::vector<std::uint32_t>& contacts);

// The lists of part of the items all was built from (a category of them), through subsetOf: each
// contact of items is found in all by its entry identifier, in item order. Nothing when one is not
// found so (the items are not such a part).
std::optional<ContactListData> narrowContactLists(const ContactListData& all, const contactclient::ItemSet& items);
