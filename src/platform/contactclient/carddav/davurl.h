#pragma once
// Which server addresses the CardDAV back-end talks to: https:// always, plain http:// only to this
// machine (a server on the loopback interface never leaves it).

#include <QString>
#include <QUrl>

namespace contactclient::carddav {

// The address as configured ("dav.example.com", "https://dav.example.com/", …) made a URL; a bare
// host name means https://. Throws AutomationError(errStoreUnavailable) when the address is unusable
// or would send the password in the clear.
QUrl serverUrl(const QString& configured);

// True when the URL may be used: https, or http to a loopback host. Sets *why otherwise.
bool isAllowedUrl(const QUrl& url, QString* why = nullptr);

bool isLoopbackHost(const QString& host);

// The same origin: scheme, host and port (the scheme's default port when none is given).
bool isSameOrigin(const QUrl& a, const QUrl& b);

// A redirect stays on the server: same host and port, and never from https down to http.
bool isSameServer(const QUrl& from, const QUrl& to);

// A short name of the account for its cache folder: the same server, user and address book
// give the same name.
QString accountKey(const QUrl& server, const QString& user, const QString& addressBook);

} // namespace contactclient::carddav
