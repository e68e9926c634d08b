#include "davurl.h"

#include "contactclient/errors.h"

#include <QCryptographicHash>
#include <QHostAddress>

namespace contactclient::carddav {

bool isLoopbackHost(const QString& host)
{
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

bool isAllowedUrl(const QUrl& url, QString* why)
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty()) {
        if (why)
            *why = QStringLiteral("\"%1\" is not a server address.").arg(url.toString());
        return false;
    }
    if (scheme == QStringLiteral("https"))
        return true;
    if (scheme == QStringLiteral("http")) {
        if (isLoopbackHost(url.host()))
            return true;
        if (why)
            *why = QStringLiteral("The CardDAV address %1 uses plain http://, which would send the password and "
                                  "the contacts unencrypted. Use https://.")
                       .arg(url.toDisplayString());
        return false;
    }
    if (why)
        *why = QStringLiteral("The CardDAV address %1 must start with https://.").arg(url.toDisplayString());
    return false;
}

QUrl serverUrl(const QString& configured)
{
    const QString text = configured.trimmed();
    if (text.isEmpty())
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("No CardDAV server is configured (key CardDavUrl of the ContactClient "
                                             "section)."));
    QUrl url = text.contains(QStringLiteral("://")) ? QUrl(text, QUrl::StrictMode)
                                                    : QUrl(QStringLiteral("https://") + text, QUrl::StrictMode);
    if (url.path().isEmpty())
        url.setPath(QStringLiteral("/"));
    QString why;
    if (!isAllowedUrl(url, &why))
        throw AutomationError(errStoreUnavailable, why);
    url.setUserInfo({});
    url.setFragment({});
    return url;
}

bool isSameOrigin(const QUrl& a, const QUrl& b)
{
    const QString scheme = a.scheme().toLower();
    if (scheme != b.scheme().toLower() || a.host().compare(b.host(), Qt::CaseInsensitive) != 0)
        return false;
    const int defaultPort = scheme == QStringLiteral("https") ? 443 : 80;
    return a.port(defaultPort) == b.port(defaultPort);
}

bool isSameServer(const QUrl& from, const QUrl& to)
{
    if (from.host().compare(to.host(), Qt::CaseInsensitive) != 0)
        return false;
    const QString fromScheme = from.scheme().toLower();
    const QString toScheme = to.scheme().toLower();
    if (fromScheme == QStringLiteral("https") && toScheme != QStringLiteral("https"))
        return false;
    if (fromScheme == toScheme)
        return from.port(-1) == to.port(-1);
    return toScheme == QStringLiteral("https"); // http -> https on the same host
}

QString accountKey(const QUrl& server, const QString& user, const QString& addressBook)
{
    const QByteArray id = server.adjusted(QUrl::NormalizePathSegments | QUrl::StripTrailingSlash).toEncoded() + '\n' +
                          user.toUtf8() + '\n' + addressBook.toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(id, QCryptographicHash::Sha256).toHex().left(16));
}

} // namespace contactclient::carddav
