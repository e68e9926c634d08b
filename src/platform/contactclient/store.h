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
    // A new, unsaved contact of this address book; throws errReadOnly when it takes none.
    virtual std::shared_ptr<ContactItem> newItem() { throw AutomationError(errReadOnly, readOnlyReason()); }
};

} // namespace contactclient
