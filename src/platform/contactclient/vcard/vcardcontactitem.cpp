#include "vcardcontactitem.h"

#include "contactclient/desktophooks.h"

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
    desktopHooks().showContactCard(*this);
}

} // namespace contactclient
