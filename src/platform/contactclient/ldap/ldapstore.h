#pragma once
// The company directory back-end: entries of an LDAP directory, served from a local copy (a vdir
// folder under ~/.cache/Quintel/ldap/<account>/) through the vCard folder back-end, so that Items,
// Restrict and GetItemFromID never wait on the network.
//
// open() (Logon) starts a refresh on a background thread and waits for it at most a short time
// when a copy exists (all the way when there is none). When the refresh finishes later, the store
// re-reads the copy and its notifier emits changed(): the bar reloads its lists keeping what the
// user typed, and shows statusNote() again.

#include "contactclient/store.h"
#include "contactclient/storenotifier.h"
#include "ldapconnection.h"
#include "ldaprefresh.h"

#include <chrono>
#include <memory>

class SettingsStore;
class QThread;

namespace contactclient {

struct LdapAccount {
    QString url; // ldaps://host or ldap://host
    QString baseDn;
    QString filter;            // empty: people and groups
    QString bindDn;            // empty: anonymous
    QString caFile;            // company CA (PEM); empty: the system's
    bool startTlsHere = false; // StartTLS on ldap:// also when the server is this computer
    ldap::AttributeMap attributes;
};

// The keyring key of an account's password: "ldap:<bind DN>@<host>".
QString ldapKeyringKey(const QString& bindDn, const QString& url);

class LdapStore : public Store {
public:
    // cacheRoot: where the accounts' copies live; empty: ~/.cache/Quintel/ldap.
    explicit LdapStore(LdapAccount account, QString cacheRoot = {}, ldap::RefreshOptions options = {});
    ~LdapStore() override;

    void open() override;
    std::shared_ptr<ItemSet> items() override;
    std::shared_ptr<ContactItem> itemFromId(const QString& entryId) override;
    QString statusNote() const override;
    StoreNotifier* notifier() const override { return m_notifier.get(); }

    // Starts a background refresh unless one is running.
    void refresh();
    bool isRefreshing() const;
    // Blocks until the running refresh (if any) ends, then applies its result as a finished
    // background refresh does, changed() included. For programs without an event loop and tests.
    void waitForRefresh();
    void setStartupWait(std::chrono::milliseconds wait) { m_startupWait = wait; }

    QString cacheFolder() const { return m_folder; }
    ldap::RefreshResult lastRefresh() const { return m_lastRefresh; }
    // The error of the last refresh that failed; empty after one that worked.
    QString lastError() const { return m_lastError; }

private:
    struct Job;
    void startRefresh();
    void applyResult(bool emitChanged);
    // Reads the copy afresh; nameless: the entries it left out for want of a name.
    void reopenCopy(int nameless);
    ldap::ConnectionSettings connectionSettings() const;

    LdapAccount m_account;
    QString m_host;
    QString m_configError;
    QString m_folder;
    ldap::RefreshOptions m_options;
    std::chrono::milliseconds m_startupWait{2000};
    std::shared_ptr<Job> m_job;
    std::unique_ptr<QThread> m_thread;
    std::shared_ptr<Store> m_copy;
    QString m_password;
    QString m_offlineNote;
    QString m_lastError;
    ldap::RefreshResult m_lastRefresh;
    int m_nameless = 0;
    std::unique_ptr<StoreNotifier> m_notifier;
};

// The store configured in the contact client's section (LdapUrl, LdapBaseDn, LdapFilter,
// LdapBindDn, LdapCaFile, LdapStartTls) and the [LdapAttributes] section.
std::shared_ptr<Store> createLdapStore(const SettingsStore& settings);

} // namespace contactclient
