#pragma once
// The contact client's automation surface: application -> namespace "MAPI" -> Logon ->
// GetDefaultFolder(10) -> Items -> Restrict -> enumeration, item type names, contact properties,
// GetItemFromID, Dial, Display, CreateItem(0) -> mail item, and what the bar shows of the address
// book beyond its items (the status note, the change notifier). The program sees only this surface;
// behind it sits one back-end (a vCard folder, a CardDAV account, the desktop's address books, a
// Thunderbird profile, a company directory over LDAP), several books of those merged into one, or a
// recording fake in tests.
//
// Every call either does what it says or throws AutomationError (see errors.h); nothing returns
// a half-valid object.

#include "contactclient/contactform.h"
#include "contactclient/errors.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace contactclient {

class StoreNotifier;

// Folder kinds of GetDefaultFolder and item kinds of CreateItem.
inline constexpr int olFolderContacts = 10;
inline constexpr int olMailItem = 0;

// The item kind of CreateItem for a new contact (the client's 2). A type of its own: the item it
// makes is a contact item, where CreateItem(0) makes mail.
struct ContactItemKind {
    int value = 2;
};
inline constexpr ContactItemKind olContactItem{};

// An address book that takes new contacts, as the user picks one: what to call it and the key
// that names it to CreateItem(olContactItem, key). Among several books the key is the book's name
// as the Books setting gives it (followed by "/" and the desktop book's UID for the desktop's
// books); a store of one book has the empty key.
struct ContactBook {
    QString key;
    QString label;
    bool operator==(const ContactBook&) const = default;
};

inline const QString kContactItemType = QStringLiteral("ContactItem");
inline const QString kDistListItemType = QStringLiteral("DistListItem");

// What enumeration hands out: the type name and the three names the lists are built from.
// The reference is valid only during the callback; a back-end may reuse one object.
class Item {
public:
    virtual ~Item() = default;
    virtual QString TypeName() const = 0;
    virtual QString FileAs() const = 0;
    virtual QString FullName() const = 0;
    virtual QString EntryID() const = 0;
};

// Everything a contact card shows, beyond the properties the bar reads.
struct CardDetails {
    struct Entry {
        QString kind; // "home", "work", "mobile", "fax", … as the card says; empty when untyped
        QString value;
    };
    QString organization;
    QString title;
    QList<Entry> emails;
    QList<Entry> phones;
    QList<Entry> addresses; // multi-line text
    QStringList categories;
    QString note;
    QString nickname;  // several nicknames joined by ", "
    QString birthday;  // as the card writes it: "1985-04-12", "19850412", "--0412", or free text
    QList<Entry> urls; // web pages
    QByteArray photo;  // encoded image data, empty when there is none
};

// A contact read from the store (GetItemFromID). Absent properties read as the empty string. Made
// shared (the card keeps the item it shows, to change it).
class ContactItem : public Item, public std::enable_shared_from_this<ContactItem> {
public:
    virtual QString Email1Address() const = 0;
    virtual QString Email2Address() const = 0;
    virtual QString Email3Address() const = 0;
    virtual QString Email1DisplayName() const = 0;
    virtual QString MobileTelephoneNumber() const = 0;
    virtual QString BusinessTelephoneNumber() const = 0;
    virtual QString Business2TelephoneNumber() const = 0;
    virtual QString HomeTelephoneNumber() const = 0;
    virtual QString Home2TelephoneNumber() const = 0;
    virtual QString HomeAddress() const = 0;
    virtual QString BusinessAddress() const = 0;
    virtual QString OtherAddress() const = 0;
    virtual QString MailingAddress() const = 0;
    virtual QStringList Categories() const = 0;
    virtual CardDetails details() const = 0;
    // Shows the contact's card, modeless.
    virtual void Display() = 0;

    // Changing the contact. An item whose address book Quintel does not write says so here, with
    // a text that tells where the contact can be changed; the calls below then throw errReadOnly.
    virtual bool writable() const { return false; }
    virtual QString readOnlyReason() const { return defaultReadOnlyReason(); }
    // The contact's values as its address book holds them now: what Save() compares with. A new
    // item's are the values set so far.
    virtual ContactForm form() { throw AutomationError(errReadOnly, readOnlyReason()); }
    // The values Save() is to write.
    virtual void setForm(const ContactForm&) { throw AutomationError(errReadOnly, readOnlyReason()); }
    // Writes what differs from form() to the contact's own address book (a new item: adds it).
    // Throws ConflictError when the contact was changed elsewhere since form() (nothing is written;
    // form() again shows the new state), errBadValue for a value that cannot be written,
    // errNotWritten when the write failed.
    virtual void Save() { throw AutomationError(errReadOnly, readOnlyReason()); }
    // Removes the contact from its address book, its card kept aside in deletedFolder().
    virtual void Delete() { throw AutomationError(errReadOnly, readOnlyReason()); }
    virtual QString deletedFolder() const { return {}; }
    // After Save() or Delete() went through: what the user should still be told (the change is kept
    // on this computer and waits for the server), else empty.
    virtual QString writeNote() const { return {}; }

    // A new contact, before it is first saved: the books it can be added to, in the application's
    // order (newContactBooks()), and the one it goes to (the first, unless chooseBook() picked
    // another). A contact already in a book has none: it is written to its own book.
    virtual QList<ContactBook> newContactBooks() const { return {}; }
    virtual QString chosenBook() const { return {}; }
    // Makes the new contact go to the book with this key; the values set so far go with it.
    // Throws errReadOnly for a contact already in a book, errBadValue for a key no book has.
    virtual void chooseBook(const QString&) { throw AutomationError(errReadOnly, readOnlyReason()); }

    static QString defaultReadOnlyReason();
};

// Where what is built from an item set (the bar's sorted lists) may be kept from one run to the
// next, tied to the items as they are: what was kept for other items is never given back.
class ItemsMemo {
public:
    virtual ~ItemsMemo() = default;
    // What was saved for these very items; empty when nothing was.
    virtual QByteArray load() const = 0;
    // Keeps bytes for these items, in the background: never waits for the disk.
    virtual void save(QByteArray bytes) const = 0;
};

// An item set of a folder. Enumeration delivers every item once, in the store's order.
class ItemSet {
public:
    virtual ~ItemSet() = default;
    virtual void forEach(const std::function<void(const Item&)>& visit) const = 0;
    virtual int Count() const = 0;
    // A new set of the items matching the filter; this set is unchanged. Understands
    // [Categories] = "Name"; any other filter throws.
    virtual std::shared_ptr<ItemSet> Restrict(const QString& filter) const = 0;
    // The memo of these items; null where the store keeps none.
    virtual std::shared_ptr<const ItemsMemo> memo() const { return nullptr; }
};

class MAPIFolder {
public:
    virtual ~MAPIFolder() = default;
    // A fresh, unrestricted item set of the folder.
    virtual std::shared_ptr<ItemSet> Items() = 0;
};

class NameSpace {
public:
    virtual ~NameSpace() = default;
    virtual void Logon() = 0;
    virtual std::shared_ptr<MAPIFolder> GetDefaultFolder(int folderKind) = 0;
    // Reads the item afresh; throws ItemNotFound when it is gone.
    virtual std::shared_ptr<ContactItem> GetItemFromID(const QString& entryId) = 0;
    // Shows the call window for the contact, modeless.
    virtual void Dial(ContactItem& contact) = 0;
};

class MailItem {
public:
    virtual ~MailItem() = default;
    virtual QString To() const = 0;
    virtual void setTo(const QString& to) = 0;
    virtual QString Subject() const = 0;
    virtual void setSubject(const QString& subject) = 0;
    virtual QString Body() const = 0;
    virtual void setBody(const QString& body) = 0;
    // Opens the desktop's mail composer on the item, modeless.
    virtual void Display() = 0;
    // Sends the item without showing it; throws on any failure, having lost nothing.
    virtual void Send() = 0;
    // Send in two steps: what needs the address book and the settings is done now (and throws
    // as Send does); the transmission that is returned may run on another thread, and throws on
    // failure, having lost nothing.
    virtual std::function<void()> prepareSend()
    {
        return [this] { Send(); };
    }
    // After a transmission that went through: what the user should still be told (the copy in the
    // Sent folder could not be saved), else empty.
    virtual QString sendNotice() const { return {}; }
    // After a transmission that failed for a reason that may pass: keeps the prepared message in
    // the outbox, to be sent later. False when the item cannot be kept; throws when keeping failed.
    virtual bool keepForLater() { return false; }
};

class Application {
public:
    virtual ~Application() = default;
    virtual std::shared_ptr<NameSpace> GetNamespace(const QString& type) = 0;
    virtual std::unique_ptr<MailItem> CreateItem(int itemKind) = 0;
    // A new, unsaved contact of the book with this key (see newContactBooks(); empty: the first
    // book that takes new contacts); Save() adds it. Throws errReadOnly when no book of the
    // application takes new contacts, errBadValue for a key no such book has.
    std::shared_ptr<ContactItem> CreateItem(ContactItemKind, const QString& book = {})
    {
        return createContactItem(book);
    }
    // The books that take new contacts, in order; empty when none does.
    virtual QList<ContactBook> newContactBooks() const { return {}; }
    // A line for the status line after Logon (working offline, cards skipped); empty when there
    // is nothing to say.
    virtual QString statusNote() const { return {}; }
    // Emits changed() when the address book changes while the bar runs (storenotifier.h);
    // nullptr: it never does.
    virtual StoreNotifier* notifier() const { return nullptr; }

protected:
    virtual std::shared_ptr<ContactItem> createContactItem(const QString& /*book*/)
    {
        throw AutomationError(errReadOnly, ContactItem::defaultReadOnlyReason());
    }
};

} // namespace contactclient
