#pragma once
// The CardDAV back-end: an address book on a CardDAV server, served from a local copy (a vdir
// folder under ~/.cache/Quintel/carddav/<account>/) through the vCard folder back-end, so that
// Items, Restrict and GetItemFromID never wait on the network.
//
// open() (Logon) starts a sync on a background thread and opens from the copy at once when there
// is one (waits for the server a while when there is none). When the sync lands with changes, its
// notifier emits changed(): the bar then takes a fresh Items() (and Restrict for the chosen
// category), reloads its lists keeping the entry box's text, and shows statusNote() again.

#include "contactclient/carddav/credentials.h"
#include "contactclient/carddav/pendingchanges.h"
#include "contactclient/localcopy/localcopy.h"
#include "syncengine.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>

class SettingsStore;

namespace contactclient {

class Application;
struct CardDavLink;

struct CardDavAccount {
    QString url;         // server or address-book address
    QString user;        // empty: no authentication
    QString addressBook; // wanted address book (path or display name); empty: the first
};

class CardDavStore : public LocalCopy {
public:
    // cacheRoot: where the accounts' copies live; empty: ~/.cache/Quintel/carddav. prompt: who is
    // asked for the password when the keyring has none (null: the terminal, when there is one).
    explicit CardDavStore(CardDavAccount account, QString cacheRoot = {}, carddav::SyncOptions options = {},
                          std::shared_ptr<carddav::PasswordPrompt> prompt = nullptr);

    ~CardDavStore() override;

    void open() override;
    void refresh() override;
    std::shared_ptr<ContactItem> itemFromId(const QString& entryId) override;
    QString statusNote() const override;

    // Contacts can be changed and added once the copy knows its address book on the server.
    bool writable() const override;
    QString readOnlyReason() const override;

    // The result of the last sync that finished without error.
    carddav::SyncResult lastSync() const { return m_lastSync; }
    // Changes kept on this computer that wait for the server.
    int waitingChanges() const { return m_waiting; }

    // What the items write through.
    struct CardRef {
        QString href; // the card's decoded path on the server
        QString etag; // the server's ETag of the card the copy holds
    };
    // Throws ItemNotFound when the copy holds no card of the server under the entry ID.
    CardRef cardOf(const QString& entryId) const;
    // The card as the copy holds it now, read only.
    std::shared_ptr<ContactItem> copyItem(const QString& entryId) { return LocalCopy::itemFromId(entryId); }
    QString hrefFor(const QString& uid) const;
    QString entryIdOf(const QString& href) const;
    // Sends the change to the server, or keeps it for later when the server cannot be reached; the
    // copy and the lists take it either way. True when it was kept for later. Throws as
    // CardWriter::write does.
    bool write(const carddav::PendingChange& change);
    // What an item says after a change that was kept for later.
    static QString waitingNote();
    // Where changes that waited and were then refused by the server are kept:
    // ~/.local/share/Quintel/unsent-contacts.
    static QString unsentFolder();

protected:
    std::shared_ptr<ContactItem> createItem(const QString& book) override;

private:
    void startSync();
    void landed(const Outcome& outcome) override;
    // Sends what waits once the retry delay has passed (a refresh sends it first).
    void scheduleSend();

    CardDavAccount m_account;
    QString m_configError; // before m_host: set while m_host is worked out
    QString m_host;
    carddav::SyncOptions m_options;
    std::shared_ptr<carddav::PasswordPrompt> m_prompt;
    QString m_password;
    carddav::SyncResult m_lastSync;
    QString m_book; // the address book's URL the copy is of; empty before the first sync
    // Set on the UI thread; the status note is read by the thread that loads the lists too.
    std::atomic<int> m_waiting{0}; // changes in the queue
    mutable std::mutex m_notesLock;
    QStringList m_notes; // queued changes the server refused, said once per session
    void addNotes(const QStringList& notes);
    bool m_writing = false;
    bool m_sendScheduled = false;
    std::shared_ptr<CardDavLink> m_link;
};

// The store configured in the contact client's section (CardDavUrl, CardDavUser,
// CardDavAddressBook).
std::shared_ptr<Store> createCardDavStore(const SettingsStore& settings,
                                          std::shared_ptr<carddav::PasswordPrompt> prompt);

} // namespace contactclient
