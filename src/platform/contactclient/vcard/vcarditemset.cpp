#include "vcarditemset.h"

#include "contactclient/searchfields.h"
#include "contactclient/vcard/categoryfilter.h"

namespace contactclient {
namespace {

// The item handed to enumeration: a view of one record.
class RecordItem : public Item, public searchfields::Source {
public:
    explicit RecordItem(const std::shared_ptr<const FolderSnapshot>& snapshot)
        : m_snapshot(*snapshot), m_fields(snapshot, &snapshot->fields), m_names(snapshot, &snapshot->texts)
    {
    }
    void point(size_t item) { m_item = item; }

    QString TypeName() const override { return m_snapshot.items[m_item].group ? kDistListItemType : kContactItemType; }
    QString FileAs() const override { return m_snapshot.fileAs(m_item).toString(); }
    QString FullName() const override { return m_snapshot.fullName(m_item).toString(); }
    QString EntryID() const override { return m_snapshot.entryId(m_snapshot.items[m_item]); }
    QString searchFields() const override
    {
        return m_item < size_t(m_snapshot.fields.count()) ? m_snapshot.searchFields(m_item) : QString();
    }
    // The lists refer to the snapshot's fields (which keeps them alive) rather than copying them.
    Kept keptSearchFields() const override
    {
        if (m_item >= size_t(m_snapshot.fields.count()))
            return {};
        return {m_fields, qsizetype(m_item)};
    }
    KeptNames keptNames() const override { return {m_names, 2 * qsizetype(m_item)}; }

private:
    const FolderSnapshot& m_snapshot;
    std::shared_ptr<const MixedTexts> m_fields; // the snapshot's, sharing its ownership
    std::shared_ptr<const PackedTexts> m_names; // the same
    size_t m_item = 0;
};

} // namespace

VCardItemSet::VCardItemSet(std::shared_ptr<const FolderSnapshot> snapshot,
                           std::shared_ptr<const std::vector<quint32>> subset)
    : m_snapshot(std::move(snapshot)), m_subset(std::move(subset))
{
}

void VCardItemSet::forEach(const std::function<void(const Item&)>& visit) const
{
    RecordItem item(m_snapshot);
    if (m_subset) {
        for (quint32 i : *m_subset) {
            item.point(i);
            visit(item);
        }
        return;
    }
    for (size_t i = 0; i < m_snapshot->items.size(); ++i) {
        item.point(i);
        visit(item);
    }
}

int VCardItemSet::Count() const
{
    return static_cast<int>(m_subset ? m_subset->size() : m_snapshot->items.size());
}

std::shared_ptr<ItemSet> VCardItemSet::Restrict(const QString& filter) const
{
    // The name is folded once here, not once per item.
    const QString folded = foldedCategoryName(parseCategoryFilter(filter));
    // Each set of categories is looked at once, not once per item that carries it.
    const CategorySets& sets = m_snapshot->categorySets;
    std::vector<char> holds(sets.count());
    for (quint32 set = 0; set < sets.count(); ++set)
        holds[set] = sets.at(set).contains(folded);
    auto kept = std::make_shared<std::vector<quint32>>();
    auto consider = [&](quint32 i) {
        if (holds[m_snapshot->items[i].categories])
            kept->push_back(i);
    };
    if (m_subset) {
        for (quint32 i : *m_subset)
            consider(i);
    } else {
        for (quint32 i = 0; i < m_snapshot->items.size(); ++i)
            consider(i);
    }
    return std::make_shared<VCardItemSet>(m_snapshot, std::move(kept));
}

} // namespace contactclient
