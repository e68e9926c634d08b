#include "smtptransport.h"

#include "contactclient/errors.h"
#include "mail/curlsupport.h"

#include <QCoreApplication>

namespace mail {
namespace {

using contactclient::AutomationError;
using contactclient::errMailNotSent;

// What one SMTP session tells about itself: the size limit of the server's EHLO answer and how
// far the transaction got, taken from the protocol lines libcurl reports.
struct Session {
    MessageSource& message;
    qint64 serverLimit = 0;   // SIZE of the EHLO answer; 0: none stated
    bool transaction = false; // MAIL FROM was sent: a refusal from here on is about this message
    bool tooLarge = false;    // stopped before the first byte of the message went out
    bool readFailed = false;

    qint64 limit() const { return serverLimit > 0 ? serverLimit : kLargestMessageWithoutLimit; }
};

// "250-SIZE 35882577" or "250 SIZE": the server's limit (0 for none or an unlimited one).
void takeServerLine(Session& session, QByteArrayView lines)
{
    for (QByteArrayView line : lines.toByteArray().split('\n')) {
        line = line.trimmed();
        if (line.size() < 8 || !line.startsWith("250") || (line[3] != '-' && line[3] != ' '))
            continue;
        const QByteArray keyword = line.sliced(4).trimmed().toByteArray();
        if (keyword.left(4).toUpper() != "SIZE" || (keyword.size() > 4 && keyword[4] != ' '))
            continue;
        bool ok = false;
        const qint64 limit = keyword.mid(4).trimmed().toLongLong(&ok);
        session.serverLimit = ok && limit > 0 ? limit : 0;
    }
}

int onProtocol(CURL*, curl_infotype type, char* data, size_t size, void* user)
{
    auto* session = static_cast<Session*>(user);
    const QByteArrayView text(data, qsizetype(size));
    if (type == CURLINFO_HEADER_IN)
        takeServerLine(*session, text);
    else if (type == CURLINFO_HEADER_OUT && text.size() >= 9 && text.first(9).toByteArray().toUpper() == "MAIL FROM")
        session->transaction = true;
    return 0;
}

// The message, read from its source as libcurl sends it. Nothing is read from a message larger
// than the server takes (or, where it states no limit, larger than kLargestMessageWithoutLimit).
size_t readMessage(char* buffer, size_t size, size_t count, void* user)
{
    auto* session = static_cast<Session*>(user);
    if (session->message.size() > session->limit()) {
        session->tooLarge = true;
        return CURL_READFUNC_ABORT;
    }
    const qint64 n = session->message.read(buffer, qint64(size * count));
    if (n < 0) {
        session->readFailed = true;
        return CURL_READFUNC_ABORT;
    }
    return size_t(n);
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

void SmtpTransport::send(const QString& from, const QStringList& recipients, MessageSource& message)
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
    message.rewind();
    Session session{message};

    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, m_settings.connectTimeoutSeconds);
    setTransferDeadline(c, m_settings.timeoutSeconds, message.size());
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
    // The server's answers tell its size limit and how far the transaction got; with a debug
    // function of its own, libcurl prints nothing.
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, onProtocol);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &session);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readMessage);
    curl_easy_setopt(c, CURLOPT_READDATA, &session);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    // The size goes with MAIL FROM (SIZE=) to a server that states a limit: it refuses a larger
    // message before any of it is sent.
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));

    const CURLcode result = curl_easy_perform(c);
    if (result == CURLE_OK)
        return;
    long response = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &response);
    const QString host = m_settings.host.trimmed();
    if (session.tooLarge ||
        (session.transaction && response == 552 && session.serverLimit > 0 && message.size() > session.serverLimit))
        throw MessageTooLarge(session.serverLimit > 0
                                  ? QCoreApplication::translate(
                                        "MailTransport", "The mail is %1, larger than the %2 the mail server %3 takes.")
                                        .arg(megabytes(message.size()), megabytes(session.serverLimit), host)
                                  : QCoreApplication::translate(
                                        "MailTransport", "The mail is %1, larger than the %2 sent to a mail server "
                                                         "that states no limit (%3).")
                                        .arg(megabytes(message.size()), megabytes(kLargestMessageWithoutLimit), host));
    if (session.readFailed)
        throw MessageRefused(errMailNotSent,
                             QCoreApplication::translate("MailTransport", "The mail could not be read to be sent: %1.")
                                 .arg(message.error()));
    const int number = mayPass(result, response) ? contactclient::errMailTryLater : errMailNotSent;
    const QString why = describe(result, errorBuffer, response, host);
    if (session.transaction && response >= 400)
        throw MessageRefused(number, why);
    throw AutomationError(number, why);
}

} // namespace mail
