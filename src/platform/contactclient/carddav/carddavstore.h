#pragma once
// The CardDAV back-end: an address book on a CardDAV server, served from a local copy (a vdir
// folder under ~/.cache/Quintel/carddav/<account>/) through the vCard folder back-end, so that
// Items, Restrict and GetItemFromID never wait on the network.
//
// open() (Logon) starts a sync on a background thread and waits for it at most a short time
// when a copy exists (all the way when there is none). When the sync finishes later, the store
// re-reads the copy and its notifier emits changed(): the bar then takes a fresh Items() (and
// Restrict for the chosen category), reloads its lists keeping the entry box's text, and shows
// statusNote() again.

#include "contactclient/store.h"
#include "contactclient/storenotifier.h"
#include "syncengine.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

class SettingsStore;
class QThread;

namespace contactclient {

class Application;

struct CardDavAccount {
    QString url;         // server or address-book address
    QString user;        // empty: no authentication
    QString addressBook; // wanted address book (path or display name); empty: the first
};

class CardDavStore : public Store {
public:
    // cacheRoot: where the accounts' copies live; empty: ~/.cache/Quintel/carddav.
    explicit CardDavStore(CardDavAccount account, QString cacheRoot = {}, carddav::SyncOptions options = {});
    ~CardDavStore() override;

    void open() override;
    std::shared_ptr<ItemSet> items() override;
    std::shared_ptr<ContactItem> itemFromId(const QString& entryId) override;
    QString statusNote() const override;

    StoreNotifier* notifier() const override { return m_notifier.get(); }
    // Starts a background sync unless one is running.
    void refresh();
    bool isSyncing() const;
    // Blocks until the running sync (if any) ends, then applies its result as a finished
    // background sync does, changed() included. For programs without an event loop and tests.
    void waitForSync();
    // How long open() waits for the server when a copy exists.
    void setStartupWait(std::chrono::milliseconds wait) { m_startupWait = wait; }
    // How long open() waits for the server when there is no copy yet: then the lists start empty,
    // with a note, and fill when the server answers; a failed sync is tried again after retryDelay.
    void setFirstWait(std::chrono::milliseconds wait, std::chrono::milliseconds retryDelay)
    {
        m_firstWait = wait;
        m_retryDelay = retryDelay;
    }

    QString cacheFolder() const { return m_folder; }
    // The result of the last sync that finished without error.
    carddav::SyncResult lastSync() const { return m_lastSync; }

private:
    struct Job;
    void startSync();
    void applyResult(bool emitChanged);
    void reopenCopy();

    CardDavAccount m_account;
    QString m_host;
    QString m_configError;
    QString m_cacheBase;
    QString m_cacheInside;
    QString m_folder;
    carddav::SyncOptions m_options;
    std::chrono::milliseconds m_startupWait{2000};
    std::chrono::milliseconds m_firstWait{20000};
    std::chrono::milliseconds m_retryDelay{30000};
    bool m_waitingForFirstCopy = false;
    std::shared_ptr<Job> m_job;
    std::unique_ptr<QThread> m_thread;
    std::shared_ptr<Store> m_copy;
    QString m_password;
    QString m_offlineNote;
    carddav::SyncResult m_lastSync;
    int m_brokenCards = 0;
    std::unique_ptr<StoreNotifier> m_notifier;
};

// The store configured in the contact client's section (CardDavUrl, CardDavUser,
// CardDavAddressBook).
std::shared_ptr<Store> createCardDavStore(const SettingsStore& settings);

} // namespace contactclient
