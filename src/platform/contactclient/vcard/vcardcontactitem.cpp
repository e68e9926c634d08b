#include "vcardcontactitem.h"

namespace contactclient {

VCardContactItem::VCardContactItem(QString entryId, vcard::ContactData data)
    : m_entryId(std::move(entryId)), m_data(std::move(data))
{
}

QString VCardContactItem::TypeName() const
{
    return m_data.summary.group ? kDistListItemType : kContactItemType;
}

void VCardContactItem::Display()
{
    // A store's item has no desktop: the application hands out the item that shows the card.
}

} // namespace contactclient
