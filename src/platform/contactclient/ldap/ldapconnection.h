#pragma once
// One connection to a directory server through OpenLDAP's client library: TLS (ldaps, or
// StartTLS on ldap) with the server's certificate always verified, a simple bind, and searches
// that read the whole result page by page with the paged-results control (RFC 2696).

#include "ldapmapping.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <functional>
#include <stdexcept>

struct ldap;

namespace contactclient::ldap {

class LdapError : public std::runtime_error {
public:
    enum Kind {
        Config,      // the account's settings cannot work
        Network,     // the server cannot be reached or the connection broke
        Certificate, // TLS could not be set up: untrusted or wrong certificate, no StartTLS
        Auth,        // the bind was refused
        Paging,      // the server refuses paged results
        Limit,       // a size or time limit of the server was hit
        Referral,    // the server refers to another server
        Refused,     // any other refusal of the server (no such base, bad filter, …)
        Cancelled,
    };
    LdapError(Kind kind, const QString& message)
        : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message)
    {
    }
    Kind kind() const { return m_kind; }
    QString message() const { return m_message; }

private:
    Kind m_kind;
    QString m_message;
};

struct ConnectionSettings {
    QString url;    // ldap://host[:port], ldaps://host[:port] or ldapi://
    QString bindDn; // empty: anonymous
    QString password;
    QString caFile;        // trusted CA certificates (PEM); empty: the system's
    bool startTls = false; // on ldap://: StartTLS before the bind
    // The deadlines of all work with the server, here and nowhere else:
    int networkTimeoutS = 10;    // reaching the server
    int operationTimeoutS = 120; // the server's silence in any one step (StartTLS, the bind, the next answer)
    int overallTimeoutS = 600;   // everything one connection does, from reaching the server to the last page
};

// The parts of an LDAP URL this program uses.
struct ParsedUrl {
    QString scheme; // ldap, ldaps, ldapi
    QString host;
    int port = 0;
};
// Throws LdapError(Config) naming what is wrong.
ParsedUrl parseLdapUrl(const QString& url);
// Whether the host is this computer (loopback, localhost, its own name): there a plain
// connection reveals nothing to the network.
bool isThisComputer(const QString& host);
// Whether a connection to the URL must do StartTLS: ldap:// to another computer always, to this
// one when asked (alsoHere); ldaps:// is TLS already and ldapi:// never leaves this computer.
bool startTlsWanted(const ParsedUrl& url, bool alsoHere);

class Connection {
public:
    // Connects and binds; throws LdapError.
    Connection(const ConnectionSettings& settings, const std::atomic<bool>* cancel = nullptr);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Reads every entry below base that matches the filter, pageSize at a time, handing each to
    // visit. Throws LdapError; entries visited before a failure stay visited.
    void pagedSearch(const QString& base, const QString& filter, const QStringList& attributes,
                     const std::function<void(const Entry&)>& visit, int pageSize = 1000);

private:
    void connect(const ConnectionSettings& settings);
    [[noreturn]] void fail(int code, const QString& doing) const;
    void checkCancel() const;
    // Throws LdapError(Limit) once the connection's overall deadline has passed.
    void checkDeadline() const;

    ::ldap* m_ld = nullptr;
    QString m_url;
    const std::atomic<bool>* m_cancel;
    std::chrono::steady_clock::time_point m_deadline;
    int m_overallS = 0;
    int m_silenceS = 0;
};

} // namespace contactclient::ldap
