#pragma once
// Several address books read as one, in a stated order: enumeration gives the first book's items,
// then the second's, and so on, so the first book wins a name that several share (the contact
// index keeps the first it is given). Any back-end can be a book.
//
// EntryID carries the book: "<label>/<the book's own EntryID>". A book that cannot be opened or
// read is a line on the status line and the others still load; only when none opens does Logon
// fail.

#include "contactclient/store.h"

#include <QString>

#include <vector>

namespace contactclient {

struct Book {
    QString label;                // unique among the books; no "/"
    std::shared_ptr<Store> store; // never null
};

class MergedStore : public Store {
public:
    explicit MergedStore(std::vector<Book> books);
    ~MergedStore() override;

    void open() override;
    std::shared_ptr<ItemSet> items() override;
    std::shared_ptr<ContactItem> itemFromId(const QString& entryId) override;
    QString statusNote() const override;
    // Emits changed() when any book's notifier does.
    StoreNotifier* notifier() const override;
    // New contacts go to the first book that takes them, or the one chosen. A book is keyed by
    // its label; a book that has several of its own (the desktop's) by "label/its own key".
    bool writable() const override;
    QString readOnlyReason() const override;
    QList<ContactBook> newContactBooks() const override;

    const std::vector<Book>& books() const { return m_books; }
    // A line for each book left out, with the reason.
    QStringList failures() const;

protected:
    std::shared_ptr<ContactItem> createItem(const QString& book) override;
    // Replaces the books (a collection folder gained or lost a collection). Books whose label
    // stays keep their store; new ones are opened at the next items().
    void setBooks(std::vector<Book> books);
    // Called at the start of items(): a chance to call setBooks().
    virtual void refreshBooks() {}
    // Connects a book's notifier to this store's one (when that exists).
    void follow(const Store& book) const;

private:
    struct State;
    std::vector<Book> m_books;
    std::shared_ptr<State> m_state;
    mutable std::unique_ptr<StoreNotifier> m_notifier;
};

// Labels made unique and safe: "/" becomes "-", an empty one "book", a repeated one gets " (2)".
void makeLabelsUnique(std::vector<Book>& books);

} // namespace contactclient

namespace contactclient {

// A book that could not even be made (an unknown back-end, a location that names nothing): its
// open() fails with the reason, so the merge reports it and reads the others.
class UnavailableStore : public Store {
public:
    explicit UnavailableStore(QString reason) : m_reason(std::move(reason)) {}
    void open() override { throw AutomationError(errStoreUnavailable, m_reason); }
    std::shared_ptr<ItemSet> items() override
    {
        open();
        return nullptr;
    }
    std::shared_ptr<ContactItem> itemFromId(const QString& entryId) override { throw ItemNotFound(entryId); }

private:
    QString m_reason;
};

} // namespace contactclient
