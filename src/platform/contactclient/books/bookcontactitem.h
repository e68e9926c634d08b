#pragma once
// A book's contact item seen through a merge of several books: everything is the book's own, but
// EntryID names the book too, so that the item found again is this one.

#include "contactclient/automation.h"

namespace contactclient {

class BookContactItem : public ContactItem {
public:
    BookContactItem(QString entryId, std::shared_ptr<ContactItem> inner)
        : m_entryId(std::move(entryId)), m_inner(std::move(inner))
    {
    }

    QString TypeName() const override { return m_inner->TypeName(); }
    QString FileAs() const override { return m_inner->FileAs(); }
    QString FullName() const override { return m_inner->FullName(); }
    QString EntryID() const override { return m_entryId; }
    QString Email1Address() const override { return m_inner->Email1Address(); }
    QString Email2Address() const override { return m_inner->Email2Address(); }
    QString Email3Address() const override { return m_inner->Email3Address(); }
    QString Email1DisplayName() const override { return m_inner->Email1DisplayName(); }
    QString MobileTelephoneNumber() const override { return m_inner->MobileTelephoneNumber(); }
    QString BusinessTelephoneNumber() const override { return m_inner->BusinessTelephoneNumber(); }
    QString Business2TelephoneNumber() const override { return m_inner->Business2TelephoneNumber(); }
    QString HomeTelephoneNumber() const override { return m_inner->HomeTelephoneNumber(); }
    QString Home2TelephoneNumber() const override { return m_inner->Home2TelephoneNumber(); }
    QString HomeAddress() const override { return m_inner->HomeAddress(); }
    QString BusinessAddress() const override { return m_inner->BusinessAddress(); }
    QString OtherAddress() const override { return m_inner->OtherAddress(); }
    QString MailingAddress() const override { return m_inner->MailingAddress(); }
    QStringList Categories() const override { return m_inner->Categories(); }
    CardDetails details() const override { return m_inner->details(); }
    void Display() override { m_inner->Display(); }

private:
    QString m_entryId;
    std::shared_ptr<ContactItem> m_inner;
};

} // namespace contactclient
