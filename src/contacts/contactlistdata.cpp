#include "contactlistdata.h"

#include "contactclient/automation.h"
#include "contacts/namesort.h"

#include <future>

ContactListData buildContactLists(const contactclient::ItemSet& items)
{
    ContactListData data;
    QStringList names;
    items.forEach([&](const contactclient::Item& item) {
        if (item.TypeName() != contactclient::kContactItemType)
            return;
        const QString fileAs = item.FileAs();
        const QString fullName = item.FullName();
        const QString entryId = item.EntryID();
        names.append(fileAs);
        data.search.append(fileAs);
        data.search.append(fullName);
        if (!data.index.Exists(fullName))
            data.index.Add(fullName, entryId);
        if (!data.index.Exists(fileAs))
            data.index.Add(fileAs, entryId);
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
