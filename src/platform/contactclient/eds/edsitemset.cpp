#include "contactclient/eds/edsitemset.h"

#include "contactclient/searchfields.h"
#include "contactclient/vcard/categoryfilter.h"

namespace contactclient::eds {
namespace {

class RecordItem : public Item, public searchfields::Source {
public:
    void point(const Record& record) { m_record = &record; }
    QString TypeName() const override { return m_record->group ? kDistListItemType : kContactItemType; }
    QString FileAs() const override { return m_record->fileAs; }
    QString FullName() const override { return m_record->fullName; }
    QString EntryID() const override { return m_record->entryId; }
    QString searchFields() const override { return m_record->searchFields; }

private:
    const Record* m_record = nullptr;
};

} // namespace

EdsItemSet::EdsItemSet(std::shared_ptr<const std::vector<Record>> records,
                       std::shared_ptr<const std::vector<quint32>> subset)
    : m_records(std::move(records)), m_subset(std::move(subset))
{
}

void EdsItemSet::forEach(const std::function<void(const Item&)>& visit) const
{
    RecordItem item;
    if (m_subset) {
        for (quint32 i : *m_subset) {
            item.point((*m_records)[i]);
            visit(item);
        }
        return;
    }
    for (const Record& r : *m_records) {
        item.point(r);
        visit(item);
    }
}

int EdsItemSet::Count() const
{
    return static_cast<int>(m_subset ? m_subset->size() : m_records->size());
}

std::shared_ptr<ItemSet> EdsItemSet::Restrict(const QString& filter) const
{
    const QString folded = foldedCategoryName(parseCategoryFilter(filter));
    auto kept = std::make_shared<std::vector<quint32>>();
    auto consider = [&](quint32 i) {
        if ((*m_records)[i].foldedCategories.contains(folded))
            kept->push_back(i);
    };
    if (m_subset) {
        for (quint32 i : *m_subset)
            consider(i);
    } else {
        for (quint32 i = 0; i < m_records->size(); ++i)
            consider(i);
    }
    return std::make_shared<EdsItemSet>(m_records, std::move(kept));
}

} // namespace contactclient::eds
