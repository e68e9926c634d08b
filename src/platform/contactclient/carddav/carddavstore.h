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
#include "contactclient/localcopy/localcopy.h"
#include "syncengine.h"

#include <QString>

#include <chrono>
#include <memory>

class SettingsStore;

namespace contactclient {

class Application;

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

    void open() override;
    void refresh() override;

    // The result of the last sync that finished without error.
    carddav::SyncResult lastSync() const { return m_lastSync; }

private:
    void startSync();
    void landed(const Outcome& outcome) override;

    CardDavAccount m_account;
    QString m_configError; // before m_host: set while m_host is worked out
    QString m_host;
    carddav::SyncOptions m_options;
    std::shared_ptr<carddav::PasswordPrompt> m_prompt;
    QString m_password;
    carddav::SyncResult m_lastSync;
};

// The store configured in the contact client's section (CardDavUrl, CardDavUser,
// CardDavAddressBook).
std::shared_ptr<Store> createCardDavStore(const SettingsStore& settings,
                                          std::shared_ptr<carddav::PasswordPrompt> prompt);

} // namespace contactclient
