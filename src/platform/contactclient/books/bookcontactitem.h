#pragma once
// A book's contact item seen through a merge of several books: everything is the book's own, but
// EntryID names the book too, so that the item found again is this one.

#include "contactclient/forwardingcontactitem.h"

namespace contactclient {

class BookContactItem : public ForwardingContactItem {
public:
    BookContactItem(QString entryId, std::shared_ptr<ContactItem> inner)
        : ForwardingContactItem(std::move(inner)), m_entryId(std::move(entryId))
    {
    }

    QString EntryID() const override { return m_entryId; }

private:
    QString m_entryId;
};

} // namespace contactclient
