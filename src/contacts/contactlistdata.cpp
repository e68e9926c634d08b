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
    auto sorting = std::async(std::launch::async, [&names] { return namesort::alphabeticalOrder(names); });
    data.search.finish();
    data.order = sorting.get();
    data.names.reserve(names.size());
    for (std::uint32_t i : data.order)
        data.names.append(names.at(i));
    return data;
}

ContactListData subsetOf(const ContactListData& all, const std::vector<std::uint32_t>& contacts)
{
    ContactListData data;
    data.contactCount = static_cast<int>(contacts.size());
    std::vector<std::uint32_t> entries;
    entries.reserve(2 * contacts.size());
    data.entryIds.reserve(data.contactCount);
    std::vector<std::int32_t> renumbered(all.order.size(), -1);
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        const std::uint32_t c = contacts[i];
        entries.push_back(2 * c);
        entries.push_back(2 * c + 1);
        data.entryIds.append(all.entryIds.at(c));
        renumbered[c] = static_cast<std::int32_t>(i);
    }
    data.search = SearchList::subset(all.search, entries);
    // The names keep the order they have among all: the order of a name depends on the names alone
    // and, among equal ones, on their order in the items, which the subset keeps.
    data.order.reserve(contacts.size());
    data.names.reserve(data.contactCount);
    for (std::size_t k = 0; k < all.order.size(); ++k) {
        const std::int32_t c = renumbered[all.order[k]];
        if (c >= 0) {
            data.order.push_back(static_cast<std::uint32_t>(c));
            data.names.append(all.names.at(static_cast<qsizetype>(k)));
        }
    }
    return data;
}

std::optional<ContactListData> narrowContactLists(const ContactListData& all, const contactclient::ItemSet& items)
{
    std::vector<std::uint32_t> contacts;
    contacts.reserve(static_cast<std::size_t>(items.Count()));
    const auto count = static_cast<std::uint32_t>(all.entryIds.size());
    std::uint32_t next = 0;
    bool found = true;
    items.forEach([&](const contactclient::Item& item) {
        if (!found || item.TypeName() != contactclient::kContactItemType)
            return;
        // The same card, unchanged: the same identifier and names.
        const QString entryId = item.EntryID();
        const QString fileAs = item.FileAs();
        const QString fullName = item.FullName();
        while (next < count && (all.entryIds.at(next) != entryId || all.search.at(2 * next) != fileAs ||
                                all.search.at(2 * next + 1) != fullName))
            ++next;
        found = next < count;
        if (found)
            contacts.push_back(next++);
    });
    if (!found)
        return std::nullopt;
    return subsetOf(all, contacts);
}

qsizetype ContactListData::contactNamed(const QString& name) const
{
    const qsizetype entry = search.findExact(name);
    return entry < 0 ? -1 : entry / 2;
}
