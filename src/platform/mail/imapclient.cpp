#include "imapclient.h"

#include "contactclient/errors.h"
#include "mail/curlsupport.h"
#include "mail/messagesource.h"

#include <QUrl>

namespace mail {
namespace {

using contactclient::AutomationError;

// Reads one IMAP string at pos: a quoted string (backslash escapes), NIL, or an atom.
QByteArray takeString(const QByteArray& line, qsizetype& pos)
{
    while (pos < line.size() && line.at(pos) == ' ')
        ++pos;
    QByteArray out;
    if (pos < line.size() && line.at(pos) == '"') {
        for (++pos; pos < line.size() && line.at(pos) != '"'; ++pos) {
            if (line.at(pos) == '\\' && pos + 1 < line.size())
                ++pos;
            out += line.at(pos);
        }
        ++pos;
        return out;
    }
    while (pos < line.size() && line.at(pos) != ' ')
        out += line.at(pos++);
    return out;
}

size_t collect(char* data, size_t size, size_t count, void* user)
{
    static_cast<QByteArray*>(user)->append(data, static_cast<qsizetype>(size * count));
    return size * count;
}

size_t readMessage(char* buffer, size_t size, size_t count, void* user)
{
    const qint64 n = static_cast<MessageSource*>(user)->read(buffer, qint64(size * count));
    return n < 0 ? CURL_READFUNC_ABORT : size_t(n);
}

QString describe(CURLcode code, const char* errorBuffer, const QString& host)
{
    const QString detail = QString::fromUtf8(errorBuffer[0] ? errorBuffer : curl_easy_strerror(code));
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("The IMAP server %1 cannot be reached (%2).").arg(host, detail);
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("The IMAP server %1 refused the user name or password.").arg(host);
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        return QStringLiteral("The certificate of the IMAP server %1 is not trusted (%2).").arg(host, detail);
    case CURLE_SSL_CONNECT_ERROR:
        return QStringLiteral("No secure connection to the IMAP server %1 (%2).").arg(host, detail);
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("The IMAP server %1 does not offer a secure connection (STARTTLS).").arg(host);
    default:
        return QStringLiteral("The IMAP server %1 did not take the request (%2).").arg(host, detail);
    }
}

// An IMAP quoted string.
QByteArray quoted(const QString& text)
{
    QByteArray out = "\"";
    for (const char ch : text.toUtf8()) {
        if (ch == '"' || ch == '\\')
            out += '\\';
        out += ch;
    }
    return out + '"';
}

int failureNumber(CURLcode code)
{
    const bool mayPass =
        code == CURLE_COULDNT_RESOLVE_HOST || code == CURLE_COULDNT_CONNECT || code == CURLE_OPERATION_TIMEDOUT;
    return mayPass ? contactclient::errMailTryLater : contactclient::errMailNotSent;
}

} // namespace

QList<ImapFolder> parseListResponse(const QByteArray& response)
{
    QList<ImapFolder> folders;
    for (QByteArray line : response.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.startsWith("* LIST ") && !line.startsWith("* XLIST "))
            continue;
        const qsizetype open = line.indexOf('(');
        const qsizetype close = line.indexOf(')', open + 1);
        if (open < 0 || close < 0)
            continue;
        ImapFolder folder;
        for (const QByteArray& a : line.mid(open + 1, close - open - 1).split(' ')) {
            if (!a.isEmpty())
                folder.attributes.append(QString::fromUtf8(a));
        }
        qsizetype pos = close + 1;
        takeString(line, pos); // the hierarchy delimiter
        const QByteArray name = takeString(line, pos);
        // A name sent as a literal ({n}) is not in this line; such folders are left out.
        if (name.isEmpty() || name.startsWith('{'))
            continue;
        folder.name = QString::fromUtf8(name);
        folders.append(folder);
    }
    return folders;
}

QString chooseSentFolder(const QList<ImapFolder>& folders)
{
    for (const ImapFolder& f : folders) {
        for (const QString& a : f.attributes) {
            if (a.compare(QStringLiteral("\\Sent"), Qt::CaseInsensitive) == 0)
                return f.name;
        }
    }
    for (const ImapFolder& f : folders) {
        if (f.name.compare(QStringLiteral("Sent"), Qt::CaseInsensitive) == 0)
            return f.name;
    }
    return QStringLiteral("Sent");
}

QString displayName(const QString& mailboxName)
{
    QString out;
    for (qsizetype i = 0; i < mailboxName.size(); ++i) {
        const QChar c = mailboxName.at(i);
        const qsizetype end = c == QLatin1Char('&') ? mailboxName.indexOf(QLatin1Char('-'), i + 1) : -1;
        if (end < 0) {
            out += c;
            continue;
        }
        if (end == i + 1) {
            out += QLatin1Char('&');
        } else {
            QByteArray base64 = mailboxName.mid(i + 1, end - i - 1).toLatin1().replace(',', '/');
            const QByteArray utf16 = QByteArray::fromBase64(base64);
            for (qsizetype k = 0; k + 1 < utf16.size(); k += 2)
                out += QChar(static_cast<char16_t>((static_cast<uchar>(utf16.at(k)) << 8) |
                                                   static_cast<uchar>(utf16.at(k + 1))));
        }
        i = end;
    }
    return out;
}

ImapClient::ImapClient(ImapSettings settings) : m_settings(std::move(settings)) {}

QString ImapClient::url(const QString& folder) const
{
    const QString host = m_settings.host.trimmed();
    if (host.isEmpty())
        throw AutomationError(contactclient::errMailNotSent, QStringLiteral("No IMAP server is set up (ImapHost)."));
    if (host.contains(QLatin1Char('/')) || host.contains(QLatin1Char('@')) || host.contains(QLatin1Char(' ')))
        throw AutomationError(contactclient::errMailNotSent,
                              QStringLiteral("The IMAP server name \"%1\" is not usable.").arg(host));
    QString scheme = QStringLiteral("imap");
    int port = m_settings.port;
    if (m_settings.security == QLatin1String("tls")) {
        scheme = QStringLiteral("imaps");
        port = port ? port : 993;
    } else if (m_settings.security == QLatin1String("starttls")) {
        port = port ? port : 143;
    } else if (m_settings.security == QLatin1String("none")) {
        if (!isLoopbackHost(host))
            throw AutomationError(contactclient::errMailNotSent,
                                  QStringLiteral("IMAP without encryption is only used on this computer; "
                                                 "set ImapSecurity to tls or starttls for %1.")
                                      .arg(host));
        port = port ? port : 143;
    } else {
        throw AutomationError(
            contactclient::errMailNotSent,
            QStringLiteral("ImapSecurity \"%1\" is not one of tls, starttls, none.").arg(m_settings.security));
    }
    return QStringLiteral("%1://%2:%3/%4")
        .arg(scheme, urlHost(host))
        .arg(port)
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(folder)));
}

namespace {

// A handle with the connection, TLS and login settings of the account.
struct Session {
    CurlHandle curl = newCurlHandle();
    QByteArray url, user, password, caFile;
    char errorBuffer[CURL_ERROR_SIZE] = {};

    Session(const ImapSettings& s, const QString& fullUrl)
        : url(fullUrl.toUtf8()), user(s.user.toUtf8()), password(s.password.toUtf8()), caFile(s.caFile.toLocal8Bit())
    {
        CURL* c = curl.get();
        curl_easy_setopt(c, CURLOPT_URL, url.constData());
        curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "imap,imaps");
        curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorBuffer);
        curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, s.connectTimeoutSeconds);
        curl_easy_setopt(c, CURLOPT_TIMEOUT, s.timeoutSeconds);
        curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
        if (!caFile.isEmpty())
            curl_easy_setopt(c, CURLOPT_CAINFO, caFile.constData());
        if (s.security == QLatin1String("starttls"))
            curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
        if (!user.isEmpty()) {
            curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
            curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
        }
    }
    CURLcode perform()
    {
        errorBuffer[0] = 0;
        return curl_easy_perform(curl.get());
    }
};

} // namespace

QList<ImapFolder> ImapClient::folders() const
{
    Session session(m_settings, url());
    CURL* c = session.curl.get();
    QByteArray response;
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &response);
    // The special-use attributes are asked for (RFC 6154); a server without the extended LIST
    // gets the plain command, which many servers answer with the attributes too.
    curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, "LIST \"\" \"*\" RETURN (SPECIAL-USE)");
    CURLcode result = session.perform();
    if (result == CURLE_QUOTE_ERROR) {
        response.clear();
        curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, "LIST \"\" \"*\"");
        result = session.perform();
    }
    if (result != CURLE_OK)
        throw AutomationError(failureNumber(result), describe(result, session.errorBuffer, m_settings.host.trimmed()));
    return parseListResponse(response);
}

QString ImapClient::sentFolder() const
{
    return chooseSentFolder(folders());
}

void ImapClient::append(const QString& folder, const QByteArray& message) const
{
    BytesSource source(message);
    append(folder, source);
}

void ImapClient::append(const QString& folder, MessageSource& message) const
{
    auto tryAppend = [&] {
        Session session(m_settings, url(folder));
        CURL* c = session.curl.get();
        message.rewind();
        setTransferDeadline(c, m_settings.timeoutSeconds, message.size());
        // libcurl appends with the \Seen flag.
        curl_easy_setopt(c, CURLOPT_READFUNCTION, readMessage);
        curl_easy_setopt(c, CURLOPT_READDATA, &message);
        curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));
        const CURLcode result = session.perform();
        if (result != CURLE_OK && result != CURLE_UPLOAD_FAILED)
            throw AutomationError(failureNumber(result),
                                  describe(result, session.errorBuffer, m_settings.host.trimmed()));
        return result == CURLE_OK;
    };
    if (tryAppend())
        return;
    // The server refused the APPEND, most often because the folder does not exist yet: it is
    // created and the APPEND made once more.
    {
        Session session(m_settings, url());
        CURL* c = session.curl.get();
        QByteArray ignored;
        curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, collect);
        curl_easy_setopt(c, CURLOPT_WRITEDATA, &ignored);
        const QByteArray command = "CREATE " + quoted(folder);
        curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, command.constData());
        session.perform();
    }
    if (!tryAppend())
        throw AutomationError(contactclient::errMailNotSent,
                              QStringLiteral("The IMAP server %1 did not take the copy into the folder \"%2\".")
                                  .arg(m_settings.host.trimmed(), folder));
}

} // namespace mail
