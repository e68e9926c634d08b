#pragma once
// A back-end of the contact client: where contact items come from. The generic application,
// namespace and folder objects (clientapplication.h) serve the automation surface from it.

#include "contactclient/automation.h"

namespace contactclient {

class StoreNotifier;

class Store {
public:
    virtual ~Store() = default;
    // Logon: opens the address book; throws errStoreUnavailable with a clear description.
    virtual void open() = 0;
    // A fresh, unrestricted set of all items.
    virtual std::shared_ptr<ItemSet> items() = 0;
    // Reads the item afresh; throws ItemNotFound when it is gone.
    virtual std::shared_ptr<ContactItem> itemFromId(const QString& entryId) = 0;
    // A line for the status line after open() (for example that the store works offline); empty
    // when there is nothing to say.
    virtual QString statusNote() const { return {}; }
    // Emits changed() when the address book changes while the bar runs; nullptr: it never does.
    virtual StoreNotifier* notifier() const { return nullptr; }
    // Whether new contacts can be added here, and when not, where they can be.
    virtual bool writable() const { return false; }
    virtual QString readOnlyReason() const { return ContactItem::defaultReadOnlyReason(); }
    // The books of this store that take new contacts, in order: a store of one book has itself
    // (with an empty key) while it is writable(), none when not.
    virtual QList<ContactBook> newContactBooks() const
    {
        return writable() ? QList<ContactBook>{ContactBook{}} : QList<ContactBook>{};
    }
    // A new, unsaved contact of the book with this key from newContactBooks(); empty: the first.
    // Throws errReadOnly when the store takes no new contacts, errBadValue for an unknown key.
    std::shared_ptr<ContactItem> newItem(const QString& book = {}) { return createItem(book); }

    // The text of errBadValue for a book key that names no book taking new contacts.
    static QString unknownBookText(const QString& book);

protected:
    virtual std::shared_ptr<ContactItem> createItem(const QString& /*book*/)
    {
        throw AutomationError(errReadOnly, readOnlyReason());
    }
    // For createItem() of a store of one book: any key but the empty one names no book here.
    static void requireOwnBook(const QString& book)
    {
        if (!book.isEmpty())
            throw AutomationError(errBadValue, unknownBookText(book));
    }
};

} // namespace contactclient
