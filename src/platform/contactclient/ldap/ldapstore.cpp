#include "ldapstore.h"

#include "contactclient/carddav/credentials.h"
#include "contactclient/carddav/vdircache.h"
#include "contactclient/clientconfig.h"
#include "settingsstore.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace contactclient {

using ldap::LdapError;

namespace {

// A folder name for the account: readable host, and a hash of what makes the account.
QString accountKey(const QString& host, const LdapAccount& a)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9.-]"));
    const QByteArray id =
        QStringList{a.url.trimmed(), a.bindDn.trimmed(), a.baseDn.trimmed()}.join(QLatin1Char('|')).toUtf8();
    QString name = host;
    name.replace(unsafe, QStringLiteral("_"));
    return (name.isEmpty() ? QStringLiteral("local") : name.left(64)) + QLatin1Char('-') +
           QString::fromLatin1(QCryptographicHash::hash(id, QCryptographicHash::Sha1).toHex().left(12));
}

bool yes(const QString& value)
{
    const QString v = value.trimmed().toLower();
    return v == QLatin1String("yes") || v == QLatin1String("true") || v == QLatin1String("1");
}

QString hostOf(const LdapAccount& account, QString* error)
{
    // What is wrong is reported by open().
    QString host;
    try {
        host = ldap::parseLdapUrl(account.url).host;
    } catch (const ldap::LdapError& e) {
        *error = e.message();
        return {};
    }
    if (account.baseDn.trimmed().isEmpty())
        *error = QStringLiteral("No base of the directory is set (key LdapBaseDn).");
    return host;
}

// The copy's own folders (the account's, and Quintel/ldap under the cache) are made and checked
// by open(); the folder above them is the user's.
QString cacheBase(const QString& cacheRoot)
{
    return cacheRoot.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) : cacheRoot;
}

QString cacheInside(const QString& cacheRoot, const LdapAccount& account)
{
    QString ignored;
    const QString key = accountKey(hostOf(account, &ignored), account);
    return cacheRoot.isEmpty() ? QStringLiteral("Quintel/ldap/") + key : key;
}

LocalCopy::Texts texts()
{
    return {QStringLiteral("The company directory"), QStringLiteral("The directory's copy"),
            QStringLiteral("directory server"), QStringLiteral("The company directory"), [](int count) {
                return count == 1 ? QStringLiteral("1 directory entry has no name and was left out.")
                                  : QStringLiteral("%1 directory entries have no name and were left out.").arg(count);
            }};
}

} // namespace

QString ldapKeyringKey(const QString& bindDn, const QString& url)
{
    return QStringLiteral("ldap:%1@%2").arg(bindDn.trimmed(), QUrl(url.trimmed()).host());
}

LdapStore::LdapStore(LdapAccount account, QString cacheRoot, ldap::RefreshOptions options,
                     std::shared_ptr<carddav::PasswordPrompt> prompt)
    : LocalCopy(cacheBase(cacheRoot), cacheInside(cacheRoot, account), texts()), m_account(std::move(account)),
      m_host(hostOf(m_account, &m_configError)), m_options(std::move(options)), m_prompt(std::move(prompt))
{
    // A download writes thousands of packed cards at once: the summary of the copy is made whole
    // once they have settled, so that the next start reads none of them.
    setSettleCards(true);
    // A first start without a copy waits as long as the CardDAV one does; a download that takes
    // longer fills the lists when it lands.
    setFirstWait(std::chrono::seconds(20), std::chrono::seconds(30));
}

ldap::ConnectionSettings LdapStore::connectionSettings() const
{
    ldap::ConnectionSettings s;
    s.url = m_account.url.trimmed();
    s.bindDn = m_account.bindDn.trimmed();
    s.password = m_password;
    s.caFile = m_account.caFile.trimmed();
    // A plain connection is for this computer only: anywhere else StartTLS is required.
    s.startTls = ldap::startTlsWanted(ldap::parseLdapUrl(s.url), m_account.startTlsHere);
    if (m_options.silenceTimeoutS > 0)
        s.operationTimeoutS = m_options.silenceTimeoutS;
    if (m_options.overallTimeoutS > 0)
        s.overallTimeoutS = m_options.overallTimeoutS;
    return s;
}

void LdapStore::open()
{
    if (!m_configError.isEmpty())
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The company directory cannot be opened: %1").arg(m_configError));
    const bool haveCopy = prepare();
    if (!isRefreshing()) {
        if (!m_account.bindDn.trimmed().isEmpty()) {
            QString why;
            const std::optional<QString> password =
                carddav::passwordForKey(m_prompt.get(), ldapKeyringKey(m_account.bindDn, m_account.url),
                                        m_account.bindDn.trimmed() + QLatin1Char('@') + m_host, &why);
            if (!password) {
                if (!haveCopy)
                    throw AutomationError(errStoreUnavailable,
                                          QStringLiteral("The company directory cannot be opened: %1").arg(why));
                openOffline(why);
                return;
            }
            m_password = *password;
        }
        startRefresh();
    }
    finishOpen();
}

void LdapStore::refresh()
{
    if (!m_configError.isEmpty() || isRefreshing() || (!m_account.bindDn.trimmed().isEmpty() && m_password.isEmpty()))
        return;
    startRefresh();
}

void LdapStore::startRefresh()
{
    const ldap::ConnectionSettings settings = connectionSettings();
    const ldap::Directory directory{m_account.url.trimmed(), m_account.baseDn.trimmed(),
                                    ldap::normalizedFilter(m_account.filter), m_account.attributes};
    const QString folder = cacheFolder();
    const ldap::RefreshOptions options = m_options;
    runRefresh([settings, directory, folder, options](const std::atomic<bool>& cancel) {
        Outcome outcome;
        ldap::PackedCopy copy(folder, options.packSize);
        try {
            ldap::Connection connection(settings, &cancel);
            const ldap::RefreshResult result = ldap::RefreshEngine(connection, copy, directory, options).run();
            outcome.status = Outcome::Done;
            outcome.copyChanged = result.written > 0 || result.removed > 0;
            outcome.skipped = result.nameless;
            outcome.detail = result;
        } catch (const LdapError& e) {
            outcome.status = e.kind() == LdapError::Cancelled ? Outcome::Cancelled : Outcome::Failed;
            outcome.authRefused = e.kind() == LdapError::Auth;
            outcome.error = e.message();
        }
        return outcome;
    });
}

void LdapStore::landed(const Outcome& outcome)
{
    const QString key = ldapKeyringKey(m_account.bindDn, m_account.url);
    const bool bound = !m_account.bindDn.trimmed().isEmpty();
    if (outcome.status == Outcome::Done) {
        m_lastRefresh = std::any_cast<ldap::RefreshResult>(outcome.detail);
        m_lastError.clear();
        if (bound)
            carddav::passwordAcceptedForKey(key, m_password);
    } else if (outcome.status == Outcome::Failed) {
        if (outcome.authRefused && bound) {
            carddav::passwordRefusedForKey(key);
            m_password.clear();
        }
        m_lastError = outcome.error;
    }
}

std::shared_ptr<Store> createLdapStore(const SettingsStore& settings, std::shared_ptr<carddav::PasswordPrompt> prompt)
{
    LdapAccount a;
    a.url = clientSetting(settings, key::LdapUrl);
    a.baseDn = clientSetting(settings, key::LdapBaseDn);
    a.filter = clientSetting(settings, key::LdapFilter);
    a.bindDn = clientSetting(settings, key::LdapBindDn);
    a.caFile = clientSetting(settings, key::LdapCaFile);
    a.startTlsHere = yes(clientSetting(settings, key::LdapStartTls));
    a.attributes = ldap::attributeMap(settings);
    return std::make_shared<LdapStore>(std::move(a), QString(), ldap::RefreshOptions{}, std::move(prompt));
}

} // namespace contactclient
