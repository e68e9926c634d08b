#include "contactlistdata.h"

#include "allocator.h"
#include "contactclient/automation.h"
#include "contactclient/searchfields.h"
#include "contacts/listsmemo.h"
#include "contacts/namesort.h"
#include "contacts/renumbering.h"

ContactListData buildContactLists(const contactclient::ItemSet& items)
{
    ContactListData data;
    const int expected = items.Count();
    // Room for names of a usual length; the lists give back what is left over when finished.
    data.entryIds.reserve(expected, 40 * qsizetype(expected));
    data.search.reserve(2 * qsizetype(expected), 32 * qsizetype(expected));
    data.fields.reserve(expected, 0);
    items.forEach([&](const contactclient::Item& item) {
        if (item.TypeName() != contactclient::kContactItemType)
            return;
        // The names are referred to where the back-end keeps them packed, else copied.
        const auto* source = dynamic_cast<const contactclient::searchfields::Source*>(&item);
        const auto names = source ? source->keptNames() : contactclient::searchfields::Source::KeptNames();
        if (names.texts) {
            data.search.append(names.texts, names.fileAs);
            data.search.append(names.texts, names.fileAs + 1);
        } else {
            data.search.append(item.FileAs());
            data.search.append(item.FullName());
        }
        data.entryIds.append(item.EntryID());
        contactclient::searchfields::appendTo(data.fields, source);
    });
    data.entryIds.squeeze();
    data.fields.squeeze();
    data.contactCount = static_cast<int>(data.entryIds.count());

    // An address book unchanged since the orders were last made gives them again.
    const std::shared_ptr<const contactclient::ItemsMemo> memo = items.memo();
    if (memo && listsmemo::apply(memo->load(), data))
        return data;

    // The drop-down's order, then the search index: one after the other, so that the sort's keys
    // are gone before the index is built (at 100,000 contacts each is several megabytes).
    data.order =
        namesort::alphabeticalOrder(data.contactCount, [&data](qsizetype i) { return data.search.view(2 * i); });
    allocator::releaseFreedMemory();
    data.search.finish();
    if (memo)
        memo->save(listsmemo::encode(data));
    return data;
}

ContactListData subsetOf(const ContactListData& all, const std::vector<std::uint32_t>& contacts)
{
    ContactListData data;
    data.contactCount = static_cast<int>(contacts.size());
    std::vector<std::uint32_t> entries;
    entries.reserve(2 * contacts.size());
    qsizetype letters = 0;
    for (const std::uint32_t c : contacts)
        letters += all.entryIds.length(c);
    data.entryIds.reserve(data.contactCount, letters);
    // The fields are the same texts as all's.
    data.fields = all.fields.subset(contacts);
    data.inWhole = contacts;
    for (const std::uint32_t c : contacts) {
        entries.push_back(2 * c);
        entries.push_back(2 * c + 1);
        data.entryIds.append(all.entryIds.at(c));
    }
    data.search = SearchList::subset(all.search, entries);
    // The names keep the order they have among all: the order of a name depends on the names alone
    // and, among equal ones, on their order in the items, which the subset keeps.
    const Renumbering renumbered(all.order.size(), contacts);
    data.order.reserve(contacts.size());
    for (const std::uint32_t c : all.order) {
        if (renumbered.kept(c))
            data.order.push_back(renumbered.placeOf(c));
    }
    return data;
}

std::optional<ContactListData> narrowContactLists(const ContactListData& all, const contactclient::ItemSet& items)
{
    std::vector<std::uint32_t> contacts;
    contacts.reserve(static_cast<std::size_t>(items.Count()));
    const auto count = static_cast<std::uint32_t>(all.entryIds.count());
    std::uint32_t next = 0;
    bool found = true;
    items.forEach([&](const contactclient::Item& item) {
        if (!found || item.TypeName() != contactclient::kContactItemType)
            return;
        // The same card, unchanged: the same identifier and names.
        const QString entryId = item.EntryID();
        const QString fileAs = item.FileAs();
        const QString fullName = item.FullName();
        while (next < count && (!all.entryIds.equals(next, entryId) || all.search.view(2 * next) != fileAs ||
                                all.search.view(2 * next + 1) != fullName))
            ++next;
        found = next < count;
        if (found)
            contacts.push_back(next++);
    });
    if (!found)
        return std::nullopt;
    return subsetOf(all, contacts);
}

QStringList ContactListData::sortedNames() const
{
    QStringList names;
    names.reserve(qsizetype(order.size()));
    for (qsizetype k = 0; k < qsizetype(order.size()); ++k)
        names.append(sortedName(k));
    return names;
}

qsizetype ContactListData::contactNamed(const QString& name) const
{
    const qsizetype entry = search.findExact(name);
    return entry < 0 ? -1 : entry / 2;
}
