#pragma once
// A contact item that hands every property on to another item; a wrapper overrides only what it
// changes (the entry identifier a merge of books gives, the card the application shows).

#include "contactclient/automation.h"

#include <memory>

namespace contactclient {

class ForwardingContactItem : public ContactItem {
public:
    explicit ForwardingContactItem(std::shared_ptr<ContactItem> inner) : m_inner(std::move(inner)) {}

    QString TypeName() const override { return m_inner->TypeName(); }
    QString FileAs() const override { return m_inner->FileAs(); }
    QString FullName() const override { return m_inner->FullName(); }
    QString EntryID() const override { return m_inner->EntryID(); }
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
    QString writeNote() const override { return m_inner->writeNote(); }
    QList<ContactBook> newContactBooks() const override { return m_inner->newContactBooks(); }
    QString chosenBook() const override { return m_inner->chosenBook(); }
    void chooseBook(const QString& book) override { m_inner->chooseBook(book); }

protected:
    // The item handed on to from now on (a wrapper that reads its contact again).
    void setInner(std::shared_ptr<ContactItem> inner) { m_inner = std::move(inner); }

private:
    std::shared_ptr<ContactItem> m_inner;
};

} // namespace contactclient
