#pragma once
// What the libcurl users of the mail code share: one global start, handle ownership, the loopback
// rule for unencrypted connections.

#include <QString>

#include <curl/curl.h>

#include <memory>

namespace mail {

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct SlistDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;

// The overall deadline of a transfer that sends `size` bytes: the connection's own (base seconds)
// and the time the bytes take at the slowest rate still worth waiting for (32 KB/s); a transfer
// that moves nothing for base seconds ends sooner.
void setTransferDeadline(CURL* curl, long baseSeconds, qint64 size);

// A new easy handle (libcurl started once per process); throws errMailNotSent when none can be had.
CurlHandle newCurlHandle();

// localhost or a loopback address: the only hosts spoken to without encryption.
bool isLoopbackHost(const QString& host);

// The host as it stands in a URL (IPv6 addresses in brackets).
QString urlHost(const QString& host);

} // namespace mail
