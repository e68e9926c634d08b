#include "davhttp.h"

#include "davurl.h"

#include <QBuffer>
#include <QTemporaryFile>

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>

namespace contactclient::carddav {
namespace {

constexpr int kMaxRedirects = 5;

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

QString networkMessage(const QNetworkReply& reply, const QUrl& url)
{
    const QString server = url.host() + (url.port(-1) > 0 ? QStringLiteral(":%1").arg(url.port()) : QString());
    switch (reply.error()) {
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("The certificate of the CardDAV server %1 could not be verified (%2).")
            .arg(server, reply.errorString());
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        return QStringLiteral("The CardDAV server %1 did not answer in time.").arg(server);
    default:
        return QStringLiteral("The CardDAV server %1 cannot be reached (%2).").arg(server, reply.errorString());
    }
}

// An answer as it arrives, in memory up to kSpoolThreshold, then in a temporary file.
struct Received {
    qint64 maxBytes = 0;
    qint64 total = 0;
    QByteArray memory;
    std::shared_ptr<QTemporaryFile> file;
    bool tooLarge = false;
    bool failed = false;
    bool late = false;
    QString spoolError;

    // Takes what the reply has; false when the answer must be abandoned.
    bool take(QNetworkReply& reply)
    {
        for (;;) {
            const QByteArray chunk = reply.read(256 * 1024);
            if (chunk.isEmpty())
                return true;
            total += chunk.size();
            if (total > maxBytes) {
                tooLarge = true;
                return false;
            }
            if (!file && memory.size() + chunk.size() > kSpoolThreshold) {
                file = std::make_shared<QTemporaryFile>();
                if (!file->open() || file->write(memory) != memory.size()) {
                    spoolError = file->errorString();
                    failed = true;
                    return false;
                }
                memory.clear();
            }
            if (file) {
                if (file->write(chunk) != chunk.size()) {
                    spoolError = file->errorString();
                    failed = true;
                    return false;
                }
            } else {
                memory.append(chunk);
            }
        }
    }

    QByteArray finish(std::shared_ptr<QFile>* keep)
    {
        if (!file)
            return memory;
        file->flush();
        uchar* mapped = file->map(0, file->size());
        if (!mapped) {
            file->seek(0);
            return file->readAll();
        }
        *keep = file;
        return QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), file->size());
    }
};

} // namespace

DavHttp::DavHttp(DavCredentials credentials, QList<QUrl> servers, const std::atomic<bool>* cancelFlag)
    : m_credentials(std::move(credentials)), m_servers(std::move(servers)),
      m_network(std::make_unique<QNetworkAccessManager>()), m_cancelFlag(cancelFlag)
{
    m_network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

DavHttp::~DavHttp() = default;

bool DavHttp::isOnServer(const QUrl& url) const
{
    return std::any_of(m_servers.cbegin(), m_servers.cend(),
                       [&](const QUrl& server) { return isSameOrigin(server, url); });
}

void DavHttp::requireOnServer(const QUrl& url) const
{
    if (!isOnServer(url) || !isAllowedUrl(url)) {
        const QString server = m_servers.isEmpty() ? QString() : m_servers.first().toDisplayString();
        throw DavError(DavError::Protocol,
                       QStringLiteral("The CardDAV server %1 names %2, which is not on that server; it is not asked.")
                           .arg(server, url.toDisplayString()));
    }
}

DavReply DavHttp::send(const QByteArray& method, const QUrl& url, const QByteArray& body, const QByteArray& depth,
                       qint64 maxBytes)
{
    DavHeaders headers;
    if (!depth.isEmpty())
        headers.append({QByteArrayLiteral("Depth"), depth});
    return send(method, url, body, headers, maxBytes);
}

DavReply DavHttp::send(const QByteArray& method, const QUrl& url, const QByteArray& body, const DavHeaders& headers,
                       qint64 maxBytes)
{
    requireOnServer(url);
    QUrl current = url;
    for (int hop = 0;; ++hop) {
        QUrl next;
        DavReply reply = sendOnce(method, current, body, headers, maxBytes, &next);
        if (next.isEmpty())
            return reply;
        if (hop >= kMaxRedirects)
            throw DavError(
                DavError::Protocol,
                QStringLiteral("The CardDAV server sends %1 round in redirects.").arg(url.toDisplayString()));
        QString why;
        if (!isSameServer(current, next) || !isAllowedUrl(next, &why) || !isOnServer(next))
            throw DavError(
                DavError::Config,
                QStringLiteral("The CardDAV server redirects %1 to another server (%2); that is not followed.")
                    .arg(current.toDisplayString(), next.toDisplayString()));
        current = next;
    }
}

DavReply DavHttp::sendOnce(const QByteArray& method, const QUrl& url, const QByteArray& body, const DavHeaders& headers,
                           qint64 maxBytes, QUrl* redirect)
{
    if (isCancelled())
        throw DavError(DavError::Cancelled, QStringLiteral("Cancelled."));
    QNetworkRequest request(url);
    request.setTransferTimeout(method == "REPORT" ? m_reportTimeoutMs : m_timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("User-Agent", "Quintel");
    if (!body.isEmpty())
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/xml; charset=utf-8"));
    for (const auto& [name, value] : headers) {
        if (name.compare("Content-Type", Qt::CaseInsensitive) == 0)
            request.setHeader(QNetworkRequest::ContentTypeHeader, value);
        else
            request.setRawHeader(name, value);
    }
    if (!m_credentials.user.isEmpty())
        request.setRawHeader("Authorization",
                             "Basic " +
                                 (m_credentials.user + QLatin1Char(':') + m_credentials.password).toUtf8().toBase64());

    QBuffer* upload = nullptr;
    if (!body.isEmpty()) {
        upload = new QBuffer;
        upload->setData(body);
        upload->open(QIODevice::ReadOnly);
    }
    std::unique_ptr<QNetworkReply> reply(m_network->sendCustomRequest(request, method, upload));
    if (upload)
        upload->setParent(reply.get());

    // The answer is taken as it arrives: counted against maxBytes, and moved to a temporary file
    // once it is large, so that memory holds neither a huge answer nor Qt's buffer of it.
    Received received;
    received.maxBytes = maxBytes;
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBytes) {
            received.tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        if (!received.take(*reply))
            reply->abort();
    });
    QTimer cancelPoll;
    QObject::connect(&cancelPoll, &QTimer::timeout, &loop, [this, &reply] {
        if (isCancelled())
            reply->abort();
    });
    cancelPoll.start(50);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        received.late = true;
        reply->abort();
    });
    deadline.start(method == "REPORT" ? m_reportDeadlineMs : m_deadlineMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    cancelPoll.stop();
    deadline.stop();
    if (!received.tooLarge && !received.failed && !received.late && reply->isOpen() && !received.take(*reply))
        reply->abort();

    if (isCancelled())
        throw DavError(DavError::Cancelled, QStringLiteral("Cancelled."));
    const QString server = url.host() + (url.port(-1) > 0 ? QStringLiteral(":%1").arg(url.port()) : QString());
    if (received.tooLarge)
        throw DavError(DavError::Protocol,
                       QStringLiteral("The CardDAV server %1 sent a larger answer than %2 MB to one request; it was "
                                      "not read.")
                           .arg(server)
                           .arg(std::max<qint64>(maxBytes / (1024 * 1024), 1)));
    if (received.late)
        throw DavError(DavError::Network, QStringLiteral("The CardDAV server %1 did not finish its answer within %2 s.")
                                              .arg(server)
                                              .arg((method == "REPORT" ? m_reportDeadlineMs : m_deadlineMs) / 1000));
    if (received.failed)
        throw DavError(
            DavError::Network,
            QStringLiteral("The answer of the CardDAV server %1 cannot be kept: %2").arg(server, received.spoolError));
    const QVariant statusAttr = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!statusAttr.isValid())
        throw DavError(DavError::Network, networkMessage(*reply, url));

    DavReply result;
    result.status = statusAttr.toInt();
    result.body = received.finish(&result.spool);
    result.url = url;
    result.etag = reply->rawHeader("ETag");
    if (result.status == 401)
        throw DavError(
            DavError::Auth,
            m_credentials.user.isEmpty()
                ? QStringLiteral("The CardDAV server %1 asks for a user name and password; none is configured "
                                 "(key CardDavUser).")
                      .arg(url.host())
                : QStringLiteral("The CardDAV server %1 refused the user name \"%2\" or its password.")
                      .arg(url.host(), m_credentials.user),
            401);
    if (isRedirect(result.status)) {
        const QUrl location = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
        if (location.isEmpty())
            throw DavError(DavError::Protocol, QStringLiteral("The CardDAV server redirects without saying where."));
        *redirect = url.resolved(location);
    }
    return result;
}

} // namespace contactclient::carddav
