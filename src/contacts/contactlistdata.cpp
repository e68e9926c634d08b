#include "contactlistdata.h"

#include "contactclient/automation.h"
#include "contacts/namesort.h"

#include <future>

ContactListData buildContactLists(const contactclient::ItemSet& items)
{
    ContactListData data;
    QStringList names;
    const int expected = items.Count();
    names.reserve(expected);
    data.entryIds.reserve(expected);
    data.search.reserve(2 * qsizetype(expected));
    items.forEach([&](const contactclient::Item& item) {
        if (item.TypeName() != contactclient::kContactItemType)
            return;
        const QString fileAs = item.FileAs();
        names.append(fileAs);
        data.search.append(fileAs);
        data.search.append(item.FullName());
        data.entryIds.append(item.EntryID());
    });
    data.contactCount = static_cast<int>(names.size());

    // The drop-down's order and the search index do not depend on each other: the names are
    // sorted on a second thread while this one builds the index.
    auto sorting = std::async(std::launch::async, [unsorted = std::move(names)]() mutable {
        namesort::sortAlphabetically(unsorted);
        return unsorted;
    });
    data.search.finish();
    data.names = sorting.get();
    return data;
}

qsizetype ContactListData::contactNamed(const QString& name) const
{
    const qsizetype entry = search.findExact(name);
    return entry < 0 ? -1 : entry / 2;
}
