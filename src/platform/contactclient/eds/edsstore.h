#pragma once
// The back-end for the desktop's address book (evolution-data-server): the enabled books the
// settings choose (all of them by default), merged in order; the first book wins a shared name,
// as the contact lists keep the first. Books are read in direct-read mode; a live view of each
// book tells the bar of contacts added, changed or removed while it runs.
//
// open() and items() may run on a worker thread; the store itself is made, and its views run, on
// the UI thread (GLib's callbacks arrive through Qt's event loop there).

#include "contactclient/store.h"

#include <QStringList>

#include <chrono>
#include <memory>
#include <mutex>
#include <vector>

class QTimer;
class SettingsStore;

namespace contactclient {

class StoreNotifier;

namespace eds {
class Registry;
struct OpenBook;
} // namespace eds

class EdsStore : public Store {
public:
    struct Options {
        QString books;                         // the books to read (see chooseBooks); empty: all
        std::chrono::milliseconds wait{15000}; // longest wait for the registry or one book
        std::chrono::milliseconds settle{200}; // changes arriving together make one reload
    };
    explicit EdsStore(Options options);
    ~EdsStore() override;

    void open() override;
    std::shared_ptr<ItemSet> items() override;
    std::shared_ptr<ContactItem> itemFromId(const QString& entryId) override;
    QString statusNote() const override;
    StoreNotifier* notifier() const override { return m_notifier.get(); }
    // New contacts go to the first book that takes changes (as EDS reports it).
    bool writable() const override;
    QString readOnlyReason() const override;
    // Its books that take changes, keyed by their UIDs and called by their names.
    QList<ContactBook> newContactBooks() const override;

    // The books read, in order, as "UID name" lines; for tools and tests.
    QStringList openBooks() const;

protected:
    std::shared_ptr<ContactItem> createItem(const QString& book) override;

private:
    friend struct EdsCallbacks;
    void startViews();
    void changed();

    Options m_options;
    std::unique_ptr<StoreNotifier> m_notifier;
    QTimer* m_settle = nullptr; // owned by the notifier
    mutable std::mutex m_mutex; // guards what open() and items() set on the worker
    std::unique_ptr<eds::Registry> m_registry;
    std::vector<std::shared_ptr<eds::OpenBook>> m_books;
    QStringList m_openNotes;
    QStringList m_readNotes;
    void* m_viewCancellable = nullptr; // GCancellable of the views being made
};

// The store configured in the contact client's section (key EdsBooks).
std::shared_ptr<Store> createEdsStore(const SettingsStore& settings);

} // namespace contactclient
