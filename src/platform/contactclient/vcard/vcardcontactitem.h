#pragma once
// A contact item read from a vCard. Items of a user's vCard folder can be changed: they carry the
// folder's writer, and write through cardfile.h.

#include "contactclient/vcard/cardfile.h"
#include "contactclient/vcard/contactmapping.h"

#include <QPointer>

#include <atomic>
#include <optional>

namespace contactclient {

class StoreNotifier;

// What an item of a writable folder needs to write and to tell its store.
struct VCardWriter {
    QString folder;
    QString asideFolder = deletedCardsFolder();
    std::shared_ptr<std::atomic<bool>> stale; // the store reads the folder again on its next look
    QPointer<StoreNotifier> notifier;         // told after each write, once the store has one
    void written() const;
};

class VCardContactItem : public ContactItem {
public:
    // writer: null for an item that is only read; readOnlyReason then says where it can be changed
    // (empty: the general text).
    VCardContactItem(QString entryId, vcard::ContactData data, std::shared_ptr<const VCardWriter> writer = nullptr,
                     QString readOnlyReason = {});

    QString TypeName() const override;
    QString FileAs() const override { return m_data.summary.fileAs; }
    QString FullName() const override { return m_data.summary.fullName; }
    QString EntryID() const override { return m_entryId; }
    QString Email1Address() const override { return m_data.emails.value(0); }
    QString Email2Address() const override { return m_data.emails.value(1); }
    QString Email3Address() const override { return m_data.emails.value(2); }
    QString Email1DisplayName() const override { return m_data.email1DisplayName; }
    QString MobileTelephoneNumber() const override { return m_data.mobile; }
    QString BusinessTelephoneNumber() const override { return m_data.business; }
    QString Business2TelephoneNumber() const override { return m_data.business2; }
    QString HomeTelephoneNumber() const override { return m_data.home; }
    QString Home2TelephoneNumber() const override { return m_data.home2; }
    QString HomeAddress() const override { return m_data.homeAddress; }
    QString BusinessAddress() const override { return m_data.businessAddress; }
    QString OtherAddress() const override { return m_data.otherAddress; }
    QString MailingAddress() const override { return m_data.mailingAddress; }
    QStringList Categories() const override { return m_data.summary.categories; }
    CardDetails details() const override { return m_data.details; }
    void Display() override;

    bool writable() const override;
    QString readOnlyReason() const override;
    ContactForm form() override;
    void setForm(const ContactForm& form) override;
    void Save() override;
    void Delete() override;
    QString deletedFolder() const override;

private:
    void requireWriter() const;
    void takeCard(const QByteArray& card);

    QString m_entryId; // empty for a new item until it is saved
    vcard::ContactData m_data;
    std::shared_ptr<const VCardWriter> m_writer;
    QString m_readOnlyReason;
    std::optional<OpenedCard> m_opened; // the card as form() read it
    std::optional<ContactForm> m_pending;
};

} // namespace contactclient
