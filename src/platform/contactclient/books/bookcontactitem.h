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
    // A new contact of the book with this label: its entry ID is known once it is saved.
    static std::shared_ptr<BookContactItem> added(const QString& label, std::shared_ptr<ContactItem> inner)
    {
        auto item = std::make_shared<BookContactItem>(QString(), std::move(inner));
        item->m_label = label;
        return item;
    }

    QString TypeName() const override { return m_inner->TypeName(); }
    QString FileAs() const override { return m_inner->FileAs(); }
    QString FullName() const override { return m_inner->FullName(); }
    QString EntryID() const override
    {
        if (m_label.isEmpty())
            return m_entryId;
        const QString inner = m_inner->EntryID();
        return inner.isEmpty() ? QString() : m_label + QLatin1Char('/') + inner;
    }
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
    bool writable() const override { return m_inner->writable(); }
    QString readOnlyReason() const override { return m_inner->readOnlyReason(); }
    ContactForm form() override { return m_inner->form(); }
    void setForm(const ContactForm& form) override { m_inner->setForm(form); }
    void Save() override { m_inner->Save(); }
    void Delete() override { m_inner->Delete(); }
    QString deletedFolder() const override { return m_inner->deletedFolder(); }

private:
    QString m_entryId;
    QString m_label; // set for a new item: the entry ID is the label and the book's own
    std::shared_ptr<ContactItem> m_inner;
};

} // namespace contactclient
