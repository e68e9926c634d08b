#pragma once
// Synchronous WebDAV requests for the CardDAV back-end: one request at a time, Basic
// authentication, bounded waits, redirects followed only within the server. Made and used on one
// thread (the background sync thread); cancel() may be called from any thread.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <atomic>
#include <memory>
#include <stdexcept>

class QFile;
class QNetworkAccessManager;

namespace contactclient::carddav {

class DavError : public std::runtime_error {
public:
    enum Kind {
        Network,   // the server cannot be reached, or the connection broke or timed out
        Auth,      // the server refused the user name or password
        Http,      // an HTTP status the caller cannot use
        Protocol,  // an answer that makes no sense (not a multistatus, no address book)
        Cancelled, // cancel() was called
        Config,    // a refused address (plain http to another machine, a redirect off the server)
    };
    DavError(Kind kind, const QString& message, int status = 0)
        : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message), m_status(status)
    {
    }
    Kind kind() const { return m_kind; }
    QString message() const { return m_message; }
    int status() const { return m_status; }

private:
    Kind m_kind;
    QString m_message;
    int m_status;
};

struct DavReply {
    int status = 0;
    QByteArray body; // for a large answer, a view of the file it was spooled to (kept by spool)
    QUrl url;        // where the answer came from, after redirects
    QByteArray etag; // the ETag header, as sent (quotes included); empty when there was none
    std::shared_ptr<QFile> spool;
};

// The most a reply may hold, by what was asked: a discovery answer is small, a card is at most
// kMaxCardReply (photos included), a listing or a report of N cards grows with N.
inline constexpr qint64 kMaxSmallReply = 4LL * 1024 * 1024;
inline constexpr qint64 kMaxCardReply = 4LL * 1024 * 1024;
inline constexpr qint64 kMaxListingReply = 512LL * 1024 * 1024;
// Larger answers than this go to a temporary file instead of memory.
inline constexpr qint64 kSpoolThreshold = 16LL * 1024 * 1024;

// Header lines a request carries beyond the ones every request has.
using DavHeaders = QList<std::pair<QByteArray, QByteArray>>;

struct DavCredentials {
    QString user; // empty: no authentication
    QString password;
};

class DavHttp {
public:
    // servers: the configured server and the account's own address book URL. Every request, and
    // so the credentials, goes only to one of them (same scheme, host and port), whatever the
    // server names in its answers. cancelFlag, when given, cancels as cancel() does once it turns
    // true.
    DavHttp(DavCredentials credentials, QList<QUrl> servers, const std::atomic<bool>* cancelFlag = nullptr);
    ~DavHttp();
    DavHttp(const DavHttp&) = delete;
    DavHttp& operator=(const DavHttp&) = delete;

    // Sends one request and returns any HTTP answer except 401, which throws Auth. Throws Network,
    // Config or Cancelled. depth is the Depth header ("0", "1"), none when empty. An answer larger
    // than maxBytes is cut off and throws Protocol.
    DavReply send(const QByteArray& method, const QUrl& url, const QByteArray& body = {}, const QByteArray& depth = {},
                  qint64 maxBytes = kMaxSmallReply);
    // The same with header lines of the caller's own (Content-Type, If-Match, If-None-Match); a
    // Content-Type given here replaces the XML one a body gets otherwise.
    DavReply send(const QByteArray& method, const QUrl& url, const QByteArray& body, const DavHeaders& headers,
                  qint64 maxBytes = kMaxSmallReply);

    // How long one request may go without a byte from the server, in milliseconds. Reports
    // (sync-collection, multiget) get longer: a server may think for a minute over a big address
    // book before it sends the first byte.
    void setTimeout(int milliseconds, int reportMilliseconds)
    {
        m_timeoutMs = milliseconds;
        m_reportTimeoutMs = reportMilliseconds;
    }
    // How long one request may take in all, however steadily the server drips its answer.
    void setDeadline(int milliseconds, int reportMilliseconds)
    {
        m_deadlineMs = milliseconds;
        m_reportDeadlineMs = reportMilliseconds;
    }
    void cancel() { m_cancelled = true; }
    // Throws DavError(Protocol) unless the URL is on one of the servers and allowed (https, or
    // http to this computer): an address a server names that is not asked.
    void requireOnServer(const QUrl& url) const;
    bool hasCredentials() const { return !m_credentials.user.isEmpty(); }
    bool isCancelled() const { return m_cancelled || (m_cancelFlag && *m_cancelFlag); }

private:
    bool isOnServer(const QUrl& url) const;
    DavReply sendOnce(const QByteArray& method, const QUrl& url, const QByteArray& body, const DavHeaders& headers,
                      qint64 maxBytes, QUrl* redirect);
    DavCredentials m_credentials;
    QList<QUrl> m_servers;
    std::unique_ptr<QNetworkAccessManager> m_network;
    int m_timeoutMs = 30000;
    int m_reportTimeoutMs = 180000;
    int m_deadlineMs = 120000;
    int m_reportDeadlineMs = 900000;
    std::atomic<bool> m_cancelled{false};
    const std::atomic<bool>* m_cancelFlag;
};

} // namespace contactclient::carddav
