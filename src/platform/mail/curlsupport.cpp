#include "curlsupport.h"

#include "contactclient/errors.h"

#include <QHostAddress>

#include <algorithm>
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

void setTransferDeadline(CURL* curl, long baseSeconds, qint64 size)
{
    constexpr qint64 slowestBytesPerSecond = 32 * 1024;
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, baseSeconds + long(std::max<qint64>(size, 0) / slowestBytesPerSecond));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, baseSeconds);
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
