// A little over 400 lines: binding, the paged search and the deadlines every step of it keeps
// share the one libldap handle and its error handling; kept together so that each wait on the
// server can be seen, with its deadline, in one place.

#include "ldapconnection.h"

#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QHostInfo>
#include <QSet>
#include <QTcpSocket>
#include <QUrl>

#include <ldap.h>

#include <algorithm>
#include <memory>

namespace contactclient::ldap {
namespace {

QString diagnostic(LDAP* ld)
{
    char* text = nullptr;
    if (!ld || ldap_get_option(ld, LDAP_OPT_DIAGNOSTIC_MESSAGE, &text) != LDAP_OPT_SUCCESS || !text)
        return {};
    const QString message = QString::fromUtf8(text).trimmed();
    ldap_memfree(text);
    return message;
}

LdapError::Kind kindOf(int code)
{
    switch (code) {
    case LDAP_SERVER_DOWN:
    case LDAP_TIMEOUT:
    case LDAP_CONNECT_ERROR:
    case LDAP_UNAVAILABLE:
    case LDAP_BUSY:
        return LdapError::Network;
    case LDAP_INVALID_CREDENTIALS:
    case LDAP_INAPPROPRIATE_AUTH:
    case LDAP_STRONG_AUTH_REQUIRED:
    case LDAP_INSUFFICIENT_ACCESS:
        return LdapError::Auth;
    case LDAP_UNAVAILABLE_CRITICAL_EXTENSION:
        return LdapError::Paging;
    case LDAP_SIZELIMIT_EXCEEDED:
    case LDAP_TIMELIMIT_EXCEEDED:
    case LDAP_ADMINLIMIT_EXCEEDED:
        return LdapError::Limit;
    case LDAP_REFERRAL:
        return LdapError::Referral;
    default:
        return LdapError::Refused;
    }
}

bool takesConnections(const QString& host, int port)
{
    QTcpSocket probe;
    probe.connectToHost(host, quint16(port > 0 ? port : 636));
    return probe.waitForConnected(5000);
}

QByteArray utf8(const QString& s)
{
    return s.toUtf8();
}

} // namespace

ParsedUrl parseLdapUrl(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        throw LdapError(LdapError::Config, QStringLiteral("No directory server is set (key LdapUrl)."));
    const QUrl url(trimmed, QUrl::StrictMode);
    ParsedUrl p{url.scheme().toLower(), url.host(), url.port()};
    if (!url.isValid() ||
        (p.scheme != QLatin1String("ldap") && p.scheme != QLatin1String("ldaps") && p.scheme != QLatin1String("ldapi")))
        throw LdapError(
            LdapError::Config,
            QStringLiteral("\"%1\" is not a directory server address: use ldaps://host or ldap://host.").arg(trimmed));
    if (p.scheme != QLatin1String("ldapi") && p.host.isEmpty())
        throw LdapError(LdapError::Config,
                        QStringLiteral("The directory server address \"%1\" names no host.").arg(trimmed));
    return p;
}

bool isThisComputer(const QString& host)
{
    const QString h = host.toLower();
    if (h.isEmpty() || h == QLatin1String("localhost") || h.endsWith(QLatin1String(".localhost")))
        return true;
    if (const QHostAddress address(h); !address.isNull())
        return address.isLoopback();
    return h == QHostInfo::localHostName().toLower();
}

bool startTlsWanted(const ParsedUrl& url, bool alsoHere)
{
    return url.scheme == QLatin1String("ldap") && (alsoHere || !isThisComputer(url.host));
}

Connection::Connection(const ConnectionSettings& s, const std::atomic<bool>* cancel)
    : m_url(s.url), m_cancel(cancel),
      m_deadline(std::chrono::steady_clock::now() + std::chrono::seconds(std::max(s.overallTimeoutS, 1))),
      m_overallS(std::max(s.overallTimeoutS, 1)), m_silenceS(std::max(s.operationTimeoutS, 1))
{
    try {
        connect(s);
    } catch (...) {
        // The destructor does not run for a constructor that throws.
        if (m_ld)
            ldap_unbind_ext_s(m_ld, nullptr, nullptr);
        m_ld = nullptr;
        throw;
    }
}

void Connection::connect(const ConnectionSettings& s)
{
    const ParsedUrl url = parseLdapUrl(s.url);
    if (!s.caFile.isEmpty() && !QFile::exists(s.caFile))
        throw LdapError(LdapError::Config,
                        QStringLiteral("The certificate file %1 (key LdapCaFile) does not exist.").arg(s.caFile));
    if (!s.bindDn.isEmpty() && s.password.isEmpty())
        // A bind with a name and no password is an anonymous one that servers report as a success.
        throw LdapError(LdapError::Auth, QStringLiteral("No password is known for %1.").arg(s.bindDn));

    int rc = ldap_initialize(&m_ld, utf8(s.url.trimmed()).constData());
    if (rc != LDAP_SUCCESS)
        throw LdapError(LdapError::Config, QStringLiteral("\"%1\" is not a directory server address (%2).")
                                               .arg(s.url, QString::fromUtf8(ldap_err2string(rc))));
    const int version = LDAP_VERSION3;
    ldap_set_option(m_ld, LDAP_OPT_PROTOCOL_VERSION, &version);
    ldap_set_option(m_ld, LDAP_OPT_REFERRALS, LDAP_OPT_OFF);
    timeval network{s.networkTimeoutS, 0};
    ldap_set_option(m_ld, LDAP_OPT_NETWORK_TIMEOUT, &network);
    timeval operation{s.operationTimeoutS, 0};
    ldap_set_option(m_ld, LDAP_OPT_TIMEOUT, &operation);
    // The certificate is verified whatever ldap.conf or ~/.ldaprc say.
    const int demand = LDAP_OPT_X_TLS_DEMAND;
    ldap_set_option(m_ld, LDAP_OPT_X_TLS_REQUIRE_CERT, &demand);
    // A TLS context reads every certificate of the system's bundle: made only for a connection
    // that speaks TLS (a plain one is for this computer alone).
    if (url.scheme == QLatin1String("ldaps") || (s.startTls && url.scheme == QLatin1String("ldap"))) {
        QByteArray caFile = utf8(s.caFile);
        if (caFile.isEmpty() && QFile::exists(QStringLiteral("/etc/ssl/certs/ca-certificates.crt")))
            caFile = "/etc/ssl/certs/ca-certificates.crt";
        if (!caFile.isEmpty())
            ldap_set_option(m_ld, LDAP_OPT_X_TLS_CACERTFILE, caFile.constData());
        const int newContext = 0;
        ldap_set_option(m_ld, LDAP_OPT_X_TLS_NEWCTX, &newContext);
    }

    checkCancel();
    if (s.startTls && url.scheme == QLatin1String("ldap")) {
        rc = ldap_start_tls_s(m_ld, nullptr, nullptr);
        if (rc != LDAP_SUCCESS) {
            const QString why = diagnostic(m_ld);
            if (rc == LDAP_SERVER_DOWN || rc == LDAP_TIMEOUT)
                fail(rc, QStringLiteral("reach"));
            throw LdapError(LdapError::Certificate,
                            QStringLiteral("A secure connection (StartTLS) to %1 cannot be set up: %2%3")
                                .arg(url.host, QString::fromUtf8(ldap_err2string(rc)),
                                     why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why)));
        }
    }
    checkCancel();
    QByteArray password = utf8(s.password);
    berval credentials{static_cast<ber_len_t>(password.size()), password.data()};
    rc = ldap_sasl_bind_s(m_ld, s.bindDn.isEmpty() ? nullptr : utf8(s.bindDn).constData(), LDAP_SASL_SIMPLE,
                          &credentials, nullptr, nullptr, nullptr);
    password.fill('\0');
    if (rc != LDAP_SUCCESS) {
        const QString why = diagnostic(m_ld);
        const bool tls = url.scheme == QLatin1String("ldaps");
        // The library reports a failed TLS handshake as a server that is down: a server that takes
        // connections did not accept ours, or we did not accept its certificate.
        if (tls && (rc == LDAP_CONNECT_ERROR || rc == LDAP_SERVER_DOWN) && takesConnections(url.host, url.port))
            throw LdapError(LdapError::Certificate,
                            QStringLiteral("A secure connection to %1 cannot be set up: its certificate is not "
                                           "trusted (the company's CA certificate goes in LdapCaFile) or it does "
                                           "not speak TLS on this port.")
                                .arg(url.host));
        if (tls && (rc == LDAP_CONNECT_ERROR || (rc == LDAP_SERVER_DOWN && why.contains(QLatin1String("TLS")))))
            throw LdapError(LdapError::Certificate,
                            QStringLiteral("A secure connection to %1 cannot be set up: %2%3")
                                .arg(url.host, QString::fromUtf8(ldap_err2string(rc)),
                                     why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why)));
        if (rc == LDAP_INVALID_CREDENTIALS)
            throw LdapError(LdapError::Auth,
                            QStringLiteral("The directory server refused the name or password of %1.").arg(s.bindDn));
        fail(rc, s.bindDn.isEmpty() ? QStringLiteral("log on anonymously") : QStringLiteral("log on"));
    }
}

Connection::~Connection()
{
    if (m_ld)
        ldap_unbind_ext_s(m_ld, nullptr, nullptr);
}

void Connection::checkCancel() const
{
    if (m_cancel && m_cancel->load())
        throw LdapError(LdapError::Cancelled, QStringLiteral("Stopped."));
}

void Connection::checkDeadline() const
{
    if (std::chrono::steady_clock::now() < m_deadline)
        return;
    throw LdapError(LdapError::Limit,
                    m_overallS % 60 == 0
                        ? QStringLiteral("The directory server %1 did not finish within %2 minutes; the listing was "
                                         "stopped.")
                              .arg(m_url)
                              .arg(m_overallS / 60)
                        : QStringLiteral("The directory server %1 did not finish within %2 seconds; the listing was "
                                         "stopped.")
                              .arg(m_url)
                              .arg(m_overallS));
}

void Connection::fail(int code, const QString& doing) const
{
    const QString why = diagnostic(m_ld);
    const QString detail =
        QString::fromUtf8(ldap_err2string(code)) + (why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why));
    const LdapError::Kind kind = kindOf(code);
    switch (kind) {
    case LdapError::Network:
        throw LdapError(kind, QStringLiteral("The directory server %1 cannot be reached: %2").arg(m_url, detail));
    case LdapError::Paging:
        throw LdapError(kind, QStringLiteral("The directory server %1 does not support paged results, so the whole "
                                             "directory cannot be read (%2).")
                                  .arg(m_url, detail));
    case LdapError::Limit:
        throw LdapError(
            kind,
            QStringLiteral("The directory server %1 stopped the listing at one of its limits: %2").arg(m_url, detail));
    case LdapError::Referral:
        throw LdapError(kind, QStringLiteral("The directory server %1 refers to another server, which this program "
                                             "does not follow: %2")
                                  .arg(m_url, detail));
    default:
        throw LdapError(
            kind, QStringLiteral("The directory server %1 did not let this program %2: %3").arg(m_url, doing, detail));
    }
}

void Connection::pagedSearch(const QString& base, const QString& filter, const QStringList& attributes,
                             const std::function<void(const Entry&)>& visit, int pageSize)
{
    std::vector<QByteArray> names;
    for (const QString& a : attributes)
        names.push_back(utf8(a));
    std::vector<char*> attrs;
    for (QByteArray& n : names)
        attrs.push_back(n.data());
    attrs.push_back(nullptr);
    // Attribute names in lower case, made once for the whole listing. The name is looked up in the
    // message's own bytes; the key kept is a deep copy, since the message is freed after its page
    // (a copy of a QByteArray made by fromRawData would still point into it).
    QHash<QByteArray, QString> lowerNames;
    const auto attributeName = [&](const berval& name) {
        const QByteArray raw = QByteArray::fromRawData(name.bv_val, qsizetype(name.bv_len));
        auto it = lowerNames.constFind(raw);
        if (it == lowerNames.cend())
            it = lowerNames.insert(QByteArray(raw.constData(), raw.size()), QString::fromUtf8(raw).toLower());
        return *it;
    };
    const QByteArray baseBytes = utf8(base);
    const QByteArray filterBytes = utf8(filter);

    berval cookie{0, nullptr};
    berval* nextCookie = nullptr;
    auto freeCookie = [&] {
        if (nextCookie)
            ber_bvfree(nextCookie);
        nextCookie = nullptr;
    };
    bool firstPage = true;
    // A server that hands back a cookie it gave before, or pages without entries without end,
    // would be asked for pages for ever.
    QSet<QByteArray> cookies;
    int emptyPages = 0;
    constexpr int kMostEmptyPages = 100;
    constexpr ber_len_t kLargestCookie = 64 * 1024;
    do {
        checkCancel();
        checkDeadline();
        if (nextCookie) {
            const QByteArray seen(nextCookie->bv_val, qsizetype(nextCookie->bv_len));
            const bool repeated = cookies.contains(seen);
            if (repeated || nextCookie->bv_len > kLargestCookie || emptyPages > kMostEmptyPages) {
                freeCookie();
                throw LdapError(LdapError::Refused,
                                repeated ? QStringLiteral("The directory server %1 hands back a page of the listing it "
                                                          "gave before; the listing was stopped.")
                                               .arg(m_url)
                                         : QStringLiteral("The directory server %1 pages the listing without end; "
                                                          "the listing was stopped.")
                                               .arg(m_url));
            }
            cookies.insert(seen);
        }
        LDAPControl* page = nullptr;
        int rc = ldap_create_page_control(m_ld, ber_int_t(pageSize), nextCookie ? nextCookie : &cookie, 1, &page);
        if (rc != LDAP_SUCCESS) {
            freeCookie();
            fail(rc, QStringLiteral("page the listing"));
        }
        LDAPControl* controls[] = {page, nullptr};
        int msgid = 0;
        rc = ldap_search_ext(m_ld, baseBytes.constData(), LDAP_SCOPE_SUBTREE, filterBytes.constData(), attrs.data(), 0,
                             controls, nullptr, nullptr, LDAP_NO_LIMIT, &msgid);
        ldap_control_free(page);
        freeCookie();
        if (rc != LDAP_SUCCESS)
            fail(rc, QStringLiteral("search"));

        bool pageDone = false;
        bool pageHadEntries = false;
        auto lastAnswer = std::chrono::steady_clock::now();
        while (!pageDone) {
            checkCancel();
            checkDeadline();
            LDAPMessage* raw = nullptr;
            timeval wait{1, 0};
            rc = ldap_result(m_ld, msgid, LDAP_MSG_ONE, &wait, &raw);
            const std::unique_ptr<LDAPMessage, int (*)(LDAPMessage*)> message(raw, ldap_msgfree);
            if (rc == 0) {
                // Nothing yet: look at the cancel flag and the deadlines, then wait on.
                if (std::chrono::steady_clock::now() - lastAnswer >= std::chrono::seconds(m_silenceS)) {
                    ldap_abandon_ext(m_ld, msgid, nullptr, nullptr);
                    throw LdapError(LdapError::Network,
                                    QStringLiteral("The directory server %1 did not answer for %2 seconds.")
                                        .arg(m_url)
                                        .arg(m_silenceS));
                }
                continue;
            }
            lastAnswer = std::chrono::steady_clock::now();
            if (rc < 0) {
                int error = LDAP_SERVER_DOWN;
                ldap_get_option(m_ld, LDAP_OPT_RESULT_CODE, &error);
                fail(error, QStringLiteral("search"));
            }
            for (LDAPMessage* m = ldap_first_message(m_ld, message.get()); m; m = ldap_next_message(m_ld, m)) {
                const int type = ldap_msgtype(m);
                if (type == LDAP_RES_SEARCH_ENTRY) {
                    // One pass over the entry: each attribute with its values (looking the values
                    // up by name would read the entry again for every attribute).
                    Entry entry;
                    BerElement* ber = nullptr;
                    berval dn{0, nullptr};
                    if (ldap_get_dn_ber(m_ld, m, &ber, &dn) == LDAP_SUCCESS) {
                        entry.dn = QString::fromUtf8(dn.bv_val, qsizetype(dn.bv_len));
                        berval name{0, nullptr};
                        berval* vals = nullptr;
                        while (ldap_get_attribute_ber(m_ld, m, ber, &name, &vals) == LDAP_SUCCESS && name.bv_val) {
                            QList<QByteArray>& values = entry.attributes[attributeName(name)];
                            if (vals) {
                                for (const berval* v = vals; v->bv_val; ++v)
                                    values.append(QByteArray(v->bv_val, qsizetype(v->bv_len)));
                                ber_memfree(vals);
                                vals = nullptr;
                            }
                        }
                    }
                    if (ber)
                        ber_free(ber, 0);
                    pageHadEntries = true;
                    visit(entry);
                } else if (type == LDAP_RES_SEARCH_RESULT) {
                    int code = LDAP_SUCCESS;
                    LDAPControl** serverControls = nullptr;
                    rc = ldap_parse_result(m_ld, m, &code, nullptr, nullptr, nullptr, &serverControls, 0);
                    if (rc != LDAP_SUCCESS)
                        code = rc;
                    if (code == LDAP_SUCCESS) {
                        LDAPControl* response = ldap_control_find(LDAP_CONTROL_PAGEDRESULTS, serverControls, nullptr);
                        berval returned{0, nullptr};
                        ber_int_t estimate = 0;
                        if (response &&
                            ldap_parse_pageresponse_control(m_ld, response, &estimate, &returned) == LDAP_SUCCESS &&
                            returned.bv_len > 0)
                            nextCookie = ber_bvdup(&returned);
                        if (returned.bv_val)
                            ber_memfree(returned.bv_val);
                    }
                    if (serverControls)
                        ldap_controls_free(serverControls);
                    pageDone = true;
                    if (code != LDAP_SUCCESS) {
                        freeCookie();
                        // A refusal of the first page is a refusal of the paged listing itself
                        // (servers answer with an unsupported control, an administrative
                        // limit, or unwilling to perform).
                        if (firstPage && (code == LDAP_UNAVAILABLE_CRITICAL_EXTENSION ||
                                          code == LDAP_ADMINLIMIT_EXCEEDED || code == LDAP_UNWILLING_TO_PERFORM))
                            fail(LDAP_UNAVAILABLE_CRITICAL_EXTENSION, QStringLiteral("page the listing"));
                        fail(code, QStringLiteral("search %1").arg(base));
                    }
                }
                // Search references (continuations into other naming contexts) are not followed.
            }
        }
        firstPage = false;
        emptyPages = pageHadEntries ? 0 : emptyPages + 1;
    } while (nextCookie);
}

} // namespace contactclient::ldap
