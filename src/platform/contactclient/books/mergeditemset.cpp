#include "mergeditemset.h"

#include "contactclient/searchfields.h"
#include "contactclient/vcard/categoryfilter.h"

namespace contactclient {
namespace {

// A book's item seen through the merge: its EntryID names the book too.
class PrefixedItem : public Item, public searchfields::Source {
public:
    PrefixedItem(const QString& prefix, const Item& inner) : m_prefix(prefix), m_inner(inner) {}
    QString TypeName() const override { return m_inner.TypeName(); }
    QString FileAs() const override { return m_inner.FileAs(); }
    QString FullName() const override { return m_inner.FullName(); }
    QString EntryID() const override { return m_prefix + m_inner.EntryID(); }
    QString searchFields() const override { return searchfields::of(m_inner); }

private:
    const QString& m_prefix;
    const Item& m_inner;
};

} // namespace

MergedItemSet::MergedItemSet(std::vector<BookItems> parts) : m_parts(std::move(parts)) {}

void MergedItemSet::forEach(const std::function<void(const Item&)>& visit) const
{
    for (const BookItems& part : m_parts)
        part.items->forEach([&](const Item& item) { visit(PrefixedItem(part.prefix, item)); });
}

int MergedItemSet::Count() const
{
    int count = 0;
    for (const BookItems& part : m_parts)
        count += part.items->Count();
    return count;
}

std::shared_ptr<ItemSet> MergedItemSet::Restrict(const QString& filter) const
{
    parseCategoryFilter(filter); // a filter no book understands fails even without books
    std::vector<BookItems> kept;
    kept.reserve(m_parts.size());
    for (const BookItems& part : m_parts)
        kept.push_back({part.prefix, part.items->Restrict(filter)});
    return std::make_shared<MergedItemSet>(std::move(kept));
}

} // namespace contactclient
