#pragma once
// A contact of one of the desktop's address books, changed in its own book through libebook:
// modified, added or removed there. The card written is the book's own vCard with only the changed
// lines rewritten (carddocument.h), so that what Quintel does not show (photos, other programs'
// X- properties, parameters) stays as the book had it. A contact changed in the book since form()
// read it is not written over (ConflictError). A book EDS reports read-only is not written.

#include "contactclient/forwardingcontactitem.h"

#include <QByteArray>

#include <chrono>
#include <optional>

namespace contactclient {
namespace eds {
struct OpenBook;
struct ContactText;
} // namespace eds

class EdsContactItem : public ForwardingContactItem {
public:
    // contactUid empty: a new contact of the book, added by Save(). shown: the book's vCard that
    // read was made from (what Delete() compares with).
    EdsContactItem(std::shared_ptr<eds::OpenBook> book, QString contactUid, std::shared_ptr<ContactItem> read,
                   std::chrono::milliseconds wait, std::optional<QByteArray> shown = std::nullopt);

    // The item the lists and the card read for a contact of the book (not written through).
    static std::shared_ptr<ContactItem> readItem(const QString& entryId, const eds::ContactText& contact);

    QString EntryID() const override;
    bool writable() const override;
    QString readOnlyReason() const override;
    ContactForm form() override;
    void setForm(const ContactForm& form) override;
    void Save() override;
    void Delete() override;
    QString deletedFolder() const override;

private:
    void requireWritable() const;
    // The contact as the book holds it now; throws ItemNotFound when it is gone.
    eds::ContactText current() const;
    void reread();

    std::shared_ptr<eds::OpenBook> m_book;
    QString m_uid;
    std::chrono::milliseconds m_wait;
    std::optional<QByteArray> m_opened; // the book's vCard as form() read it
    std::optional<QByteArray> m_shown;  // the book's vCard the item's values were read from
    std::optional<ContactForm> m_pending;
};

} // namespace contactclient
