#pragma once
// The company directory back-end: entries of an LDAP directory, served from a local copy (a vdir
// folder under ~/.cache/Quintel/ldap/<account>/) through the vCard folder back-end, so that Items,
// Restrict and GetItemFromID never wait on the network.
//
// open() (Logon) starts a refresh on a background thread and opens from the copy at once when
// there is one (waits for the whole first download when there is none). When the refresh lands
// with changes, its notifier emits changed(): the bar reloads its lists keeping what the user
// typed, and shows statusNote() again.

#include "contactclient/carddav/credentials.h"
#include "contactclient/localcopy/localcopy.h"
#include "ldapconnection.h"
#include "ldaprefresh.h"

#include <chrono>
#include <memory>

class SettingsStore;

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

class LdapStore : public LocalCopy {
public:
    // cacheRoot: where the accounts' copies live; empty: ~/.cache/Quintel/ldap. prompt: who is asked
    // for the bind password when the keyring has none (null: the terminal, when there is one).
    explicit LdapStore(LdapAccount account, QString cacheRoot = {}, ldap::RefreshOptions options = {},
                       std::shared_ptr<carddav::PasswordPrompt> prompt = nullptr);

    void open() override;
    void refresh() override;

    ldap::RefreshResult lastRefresh() const { return m_lastRefresh; }
    // The error of the last refresh that failed; empty after one that worked.
    QString lastError() const { return m_lastError; }

private:
    void startRefresh();
    void landed(const Outcome& outcome) override;
    ldap::ConnectionSettings connectionSettings() const;

    LdapAccount m_account;
    QString m_configError; // before m_host: set while m_host is worked out
    QString m_host;
    ldap::RefreshOptions m_options;
    std::shared_ptr<carddav::PasswordPrompt> m_prompt;
    QString m_password;
    QString m_lastError;
    ldap::RefreshResult m_lastRefresh;
};

// The store configured in the contact client's section (LdapUrl, LdapBaseDn, LdapFilter,
// LdapBindDn, LdapCaFile, LdapStartTls) and the [LdapAttributes] section.
std::shared_ptr<Store> createLdapStore(const SettingsStore& settings, std::shared_ptr<carddav::PasswordPrompt> prompt);

} // namespace contactclient
