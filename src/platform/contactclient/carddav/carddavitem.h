#pragma once
// A contact of a CardDAV address book as the store hands it out: read from the local copy, and
// changed through the store, which sends the change to the server or keeps it until the server
// answers (cardwriter.h).

#include "contactclient/forwardingcontactitem.h"

#include <QByteArray>

#include <optional>

namespace contactclient {

class CardDavStore;

// The store the items write through; cleared when the store goes.
struct CardDavLink {
    CardDavStore* store = nullptr;
};

class CardDavContactItem : public ForwardingContactItem {
public:
    // copyItem: the contact as the copy holds it; a new item (entryId empty) has an empty one.
    CardDavContactItem(QString entryId, std::shared_ptr<ContactItem> copyItem, std::shared_ptr<CardDavLink> link);

    QString EntryID() const override { return m_entryId; }
    bool writable() const override;
    QString readOnlyReason() const override;
    ContactForm form() override;
    void setForm(const ContactForm& form) override;
    void Save() override;
    void Delete() override;
    QString deletedFolder() const override;
    QString writeNote() const override { return m_note; }

private:
    CardDavStore& store() const;
    QString name() const;

    QString m_entryId;
    std::shared_ptr<CardDavLink> m_link;
    struct Opened {
        QByteArray bytes;
        QString etag;
    };
    std::optional<Opened> m_opened; // the card as form() read it, and the server's ETag of it then
    std::optional<ContactForm> m_pending;
    QString m_note;
};

} // namespace contactclient
