#include "curlsupport.h"

#include "contactclient/errors.h"

#include <QHostAddress>

#include <mutex>

namespace mail {

CurlHandle newCurlHandle()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    CurlHandle curl(curl_easy_init());
    if (!curl)
        throw contactclient::AutomationError(contactclient::errMailNotSent,
                                             QStringLiteral("The mail library cannot be started."));
    return curl;
}

bool isLoopbackHost(const QString& host)
{
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QString urlHost(const QString& host)
{
    return host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(host) : host;
}

} // namespace mail
