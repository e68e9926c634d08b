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
    // A new contact of the book with this label: its entry ID is known once it is saved.
    static std::shared_ptr<BookContactItem> added(const QString& label, std::shared_ptr<ContactItem> inner)
    {
        auto item = std::make_shared<BookContactItem>(QString(), std::move(inner));
        item->m_label = label;
        return item;
    }

    QString EntryID() const override
    {
        if (m_label.isEmpty())
            return m_entryId;
        const QString inner = ForwardingContactItem::EntryID();
        return inner.isEmpty() ? QString() : m_label + QLatin1Char('/') + inner;
    }

private:
    QString m_entryId;
    QString m_label; // set for a new item: the entry ID is the label and the book's own
};

} // namespace contactclient
