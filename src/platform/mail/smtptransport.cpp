#include "smtptransport.h"

#include "contactclient/errors.h"
#include "mail/curlsupport.h"

#include <cstring>

namespace mail {
namespace {

using contactclient::AutomationError;
using contactclient::errMailNotSent;

struct Upload {
    const QByteArray& data;
    qsizetype offset = 0;
};

size_t readMessage(char* buffer, size_t size, size_t count, void* user)
{
    auto* upload = static_cast<Upload*>(user);
    const size_t left = static_cast<size_t>(upload->data.size() - upload->offset);
    const size_t n = std::min(size * count, left);
    std::memcpy(buffer, upload->data.constData() + upload->offset, n);
    upload->offset += static_cast<qsizetype>(n);
    return n;
}

QString describe(CURLcode code, const char* errorBuffer, long response, const QString& host)
{
    QString detail = QString::fromUtf8(errorBuffer[0] ? errorBuffer : curl_easy_strerror(code));
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("The mail server %1 cannot be reached (%2).").arg(host, detail);
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("The mail server %1 refused the user name or password.").arg(host);
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        return QStringLiteral("The certificate of the mail server %1 is not trusted (%2).").arg(host, detail);
    case CURLE_SSL_CONNECT_ERROR:
        return QStringLiteral("No secure connection to the mail server %1 (%2).").arg(host, detail);
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("The mail server %1 does not offer a secure connection (STARTTLS).").arg(host);
    default:
        break;
    }
    if (response >= 400)
        return QStringLiteral("The mail server %1 refused the mail (%2, reply %3).").arg(host, detail).arg(response);
    return QStringLiteral("The mail could not be sent through %1 (%2).").arg(host, detail);
}

// A failure that may pass by itself: the server is out of reach, too slow, or answers 4xx.
bool mayPass(CURLcode code, long response)
{
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
        return true;
    default:
        return response >= 400 && response < 500;
    }
}

} // namespace

SmtpTransport::SmtpTransport(SmtpSettings settings) : m_settings(std::move(settings)) {}

QString SmtpTransport::url() const
{
    const QString host = m_settings.host.trimmed();
    if (host.isEmpty())
        throw AutomationError(errMailNotSent, QStringLiteral("No mail server is set up (SmtpHost)."));
    if (host.contains(QLatin1Char('/')) || host.contains(QLatin1Char('@')) || host.contains(QLatin1Char(' ')))
        throw AutomationError(errMailNotSent, QStringLiteral("The mail server name \"%1\" is not usable.").arg(host));
    QString scheme = QStringLiteral("smtp");
    int port = m_settings.port;
    if (m_settings.security == QLatin1String("tls")) {
        scheme = QStringLiteral("smtps");
        port = port ? port : 465;
    } else if (m_settings.security == QLatin1String("starttls")) {
        port = port ? port : 587;
    } else if (m_settings.security == QLatin1String("none")) {
        if (!isLoopbackHost(host))
            throw AutomationError(errMailNotSent,
                                  QStringLiteral("Mail without encryption is only sent to this computer; "
                                                 "set SmtpSecurity to tls or starttls for %1.")
                                      .arg(host));
        port = port ? port : 25;
    } else {
        throw AutomationError(
            errMailNotSent,
            QStringLiteral("SmtpSecurity \"%1\" is not one of tls, starttls, none.").arg(m_settings.security));
    }
    return QStringLiteral("%1://%2:%3").arg(scheme, urlHost(host)).arg(port);
}

void SmtpTransport::send(const QString& from, const QStringList& recipients, const QByteArray& message)
{
    const QByteArray url = this->url().toUtf8();
    const CurlHandle curl = newCurlHandle();
    CURL* c = curl.get();
    char errorBuffer[CURL_ERROR_SIZE] = {};
    const QByteArray mailFrom = '<' + from.toUtf8() + '>';
    std::unique_ptr<curl_slist, SlistDeleter> rcpt;
    for (const QString& r : recipients) {
        const QByteArray line = '<' + r.toUtf8() + '>';
        curl_slist* next = curl_slist_append(rcpt.get(), line.constData());
        if (!next)
            throw AutomationError(errMailNotSent, QStringLiteral("Out of memory."));
        (void)rcpt.release();
        rcpt.reset(next);
    }
    const QByteArray user = m_settings.user.toUtf8();
    const QByteArray password = m_settings.password.toUtf8();
    const QByteArray caFile = m_settings.caFile.toLocal8Bit();
    Upload upload{message};

    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, m_settings.connectTimeoutSeconds);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, m_settings.timeoutSeconds);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caFile.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, caFile.constData());
    if (m_settings.security == QLatin1String("starttls"))
        curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (!user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, mailFrom.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt.get());
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readMessage);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));

    const CURLcode result = curl_easy_perform(c);
    if (result != CURLE_OK) {
        long response = 0;
        curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &response);
        throw AutomationError(mayPass(result, response) ? contactclient::errMailTryLater : errMailNotSent,
                              describe(result, errorBuffer, response, m_settings.host.trimmed()));
    }
}

} // namespace mail
