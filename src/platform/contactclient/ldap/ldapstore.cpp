#include "ldapstore.h"

#include "contactclient/carddav/credentials.h"
#include "contactclient/carddav/vdircache.h"
#include "contactclient/clientconfig.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "settingsstore.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <condition_variable>
#include <mutex>

namespace contactclient {

using ldap::LdapError;

// One refresh, shared between the store (UI thread) and the refresh thread.
struct LdapStore::Job {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool applied = false;
    std::atomic<bool> cancel{false};
    bool ok = false;
    LdapError::Kind errorKind = LdapError::Network;
    QString error;
    ldap::RefreshResult result;
};

namespace {

QString defaultCacheRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Quintel/ldap");
}

QString localTime(const QString& isoUtc)
{
    const QDateTime when = QDateTime::fromString(isoUtc, Qt::ISODate);
    return when.isValid() ? when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

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

} // namespace

QString ldapKeyringKey(const QString& bindDn, const QString& url)
{
    return QStringLiteral("ldap:%1@%2").arg(bindDn.trimmed(), QUrl(url.trimmed()).host());
}

LdapStore::LdapStore(LdapAccount account, QString cacheRoot, ldap::RefreshOptions options)
    : m_account(std::move(account)), m_options(std::move(options)), m_notifier(std::make_unique<StoreNotifier>())
{
    try {
        m_host = ldap::parseLdapUrl(m_account.url).host;
        if (m_account.baseDn.trimmed().isEmpty())
            throw LdapError(LdapError::Config, QStringLiteral("No base of the directory is set (key LdapBaseDn)."));
    } catch (const LdapError& e) {
        m_configError = e.message(); // reported by open()
    }
    m_folder =
        (cacheRoot.isEmpty() ? defaultCacheRoot() : cacheRoot) + QLatin1Char('/') + accountKey(m_host, m_account);
}

LdapStore::~LdapStore()
{
    if (m_job)
        m_job->cancel = true;
    if (m_thread)
        m_thread->wait();
    m_notifier.reset();
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
    return s;
}

void LdapStore::open()
{
    if (!m_configError.isEmpty())
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The company directory cannot be opened: %1").arg(m_configError));
    // The copy holds personal data: only its owner may read it.
    if (!QDir().mkpath(m_folder) ||
        !QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        throw AutomationError(
            errStoreUnavailable,
            QStringLiteral("The directory's copy cannot be kept in %1.").arg(QDir::toNativeSeparators(m_folder)));
    carddav::VdirCache copy(m_folder);
    copy.load();
    const bool haveCopy = copy.isComplete();

    if (!isRefreshing()) {
        if (!m_account.bindDn.trimmed().isEmpty()) {
            QString why;
            const std::optional<QString> password =
                carddav::passwordForKey(ldapKeyringKey(m_account.bindDn, m_account.url),
                                        m_account.bindDn.trimmed() + QLatin1Char('@') + m_host, &why);
            if (!password) {
                if (!haveCopy)
                    throw AutomationError(errStoreUnavailable,
                                          QStringLiteral("The company directory cannot be opened: %1").arg(why));
                m_offlineNote = QStringLiteral("Working offline from the copy of %1: %2")
                                    .arg(localTime(copy.state().syncedAt), why);
                reopenCopy(copy.brokenCount());
                return;
            }
            m_password = *password;
        }
        startRefresh();
    }

    // While the server is asked, the copy is read: most starts change nothing in it.
    const auto deadline = std::chrono::steady_clock::now() + m_startupWait;
    if (haveCopy)
        reopenCopy(copy.brokenCount());
    std::shared_ptr<Job> job = m_job;
    {
        std::unique_lock lock(job->mutex);
        if (haveCopy)
            job->finished.wait_until(lock, deadline, [&] { return job->done; });
        else
            job->finished.wait(lock, [&] { return job->done; });
    }
    bool done = false;
    bool ok = false;
    QString error;
    {
        std::lock_guard lock(job->mutex);
        done = job->done;
        ok = job->ok;
        error = job->error;
    }
    if (done && !ok && !haveCopy) {
        applyResult(false);
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The company directory cannot be opened, and there is no copy of it on "
                                             "this computer yet. %1")
                                  .arg(error));
    }
    if (done) {
        applyResult(false);
        return;
    }
    m_offlineNote = QStringLiteral("Working offline from the copy of %1 until the directory server answers.")
                        .arg(localTime(copy.state().syncedAt));
}

std::shared_ptr<ItemSet> LdapStore::items()
{
    if (!m_copy)
        throw AutomationError(errStoreUnavailable, QStringLiteral("The company directory is not open."));
    return m_copy->items();
}

std::shared_ptr<ContactItem> LdapStore::itemFromId(const QString& entryId)
{
    if (!m_copy)
        throw AutomationError(errStoreUnavailable, QStringLiteral("The company directory is not open."));
    return m_copy->itemFromId(entryId);
}

QString LdapStore::statusNote() const
{
    QStringList parts;
    if (!m_offlineNote.isEmpty())
        parts.append(m_offlineNote);
    if (m_nameless > 0)
        parts.append(m_nameless == 1
                         ? QStringLiteral("1 directory entry has no name and was left out.")
                         : QStringLiteral("%1 directory entries have no name and were left out.").arg(m_nameless));
    if (m_copy) {
        const QString folderNote = m_copy->statusNote();
        if (!folderNote.isEmpty())
            parts.append(folderNote);
    }
    return parts.join(QLatin1Char(' '));
}

bool LdapStore::isRefreshing() const
{
    if (!m_job)
        return false;
    std::lock_guard lock(m_job->mutex);
    return !m_job->done;
}

void LdapStore::refresh()
{
    if (!m_configError.isEmpty() || isRefreshing() || (!m_account.bindDn.trimmed().isEmpty() && m_password.isEmpty()))
        return;
    startRefresh();
}

void LdapStore::waitForRefresh()
{
    if (!m_job)
        return;
    {
        std::unique_lock lock(m_job->mutex);
        m_job->finished.wait(lock, [this] { return m_job->done; });
    }
    applyResult(true);
}

void LdapStore::startRefresh()
{
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
    }
    auto job = std::make_shared<Job>();
    m_job = job;
    const ldap::ConnectionSettings settings = connectionSettings();
    const ldap::Directory directory{m_account.url.trimmed(), m_account.baseDn.trimmed(),
                                    ldap::normalizedFilter(m_account.filter), m_account.attributes};
    const QString folder = m_folder;
    const ldap::RefreshOptions options = m_options;
    StoreNotifier* notifier = m_notifier.get();
    m_thread.reset(QThread::create([job, settings, directory, folder, options, notifier, this] {
        carddav::VdirCache copy(folder);
        try {
            ldap::Connection connection(settings, &job->cancel);
            const ldap::RefreshResult result = ldap::RefreshEngine(connection, copy, directory, options).run();
            std::lock_guard lock(job->mutex);
            job->ok = true;
            job->result = result;
        } catch (const LdapError& e) {
            std::lock_guard lock(job->mutex);
            job->errorKind = e.kind();
            job->error = e.message();
        } catch (const std::exception& e) {
            std::lock_guard lock(job->mutex);
            job->errorKind = LdapError::Refused;
            job->error = QString::fromUtf8(e.what());
        }
        {
            std::lock_guard lock(job->mutex);
            job->done = true;
        }
        job->finished.notify_all();
        QMetaObject::invokeMethod(
            notifier,
            [this, job] {
                if (job == m_job)
                    applyResult(true);
            },
            Qt::QueuedConnection);
    }));
    m_thread->start();
}

void LdapStore::applyResult(bool emitChanged)
{
    std::shared_ptr<Job> job = m_job;
    bool ok = false;
    LdapError::Kind kind = LdapError::Network;
    QString error;
    {
        std::lock_guard lock(job->mutex);
        if (!job->done || job->applied)
            return;
        job->applied = true;
        ok = job->ok;
        kind = job->errorKind;
        error = job->error;
        if (ok)
            m_lastRefresh = job->result;
    }
    const QString key = ldapKeyringKey(m_account.bindDn, m_account.url);
    const bool copyChanged = ok && (m_lastRefresh.written > 0 || m_lastRefresh.removed > 0);
    if (ok) {
        m_offlineNote.clear();
        m_lastError.clear();
        if (!m_account.bindDn.trimmed().isEmpty())
            carddav::passwordAcceptedForKey(key, m_password);
    } else if (kind != LdapError::Cancelled) {
        if (kind == LdapError::Auth && !m_account.bindDn.trimmed().isEmpty()) {
            carddav::passwordRefusedForKey(key);
            m_password.clear();
        }
        m_lastError = error;
        carddav::VdirCache copy(m_folder);
        copy.load();
        m_offlineNote =
            QStringLiteral("Working offline from the copy of %1: %2").arg(localTime(copy.state().syncedAt), error);
    }
    if (!m_copy || copyChanged) {
        int nameless = m_lastRefresh.nameless;
        if (!ok) {
            carddav::VdirCache index(m_folder);
            index.load();
            nameless = index.brokenCount();
        }
        reopenCopy(nameless);
    } else if (ok) {
        m_nameless = m_lastRefresh.nameless;
    }
    if (emitChanged)
        emit m_notifier->changed();
}

void LdapStore::reopenCopy(int nameless)
{
    m_nameless = nameless;
    std::shared_ptr<Store> copy = createVCardFolderStore(m_folder);
    copy->open();
    m_copy = std::move(copy);
}

std::shared_ptr<Store> createLdapStore(const SettingsStore& settings)
{
    LdapAccount a;
    a.url = clientSetting(settings, key::LdapUrl);
    a.baseDn = clientSetting(settings, key::LdapBaseDn);
    a.filter = clientSetting(settings, key::LdapFilter);
    a.bindDn = clientSetting(settings, key::LdapBindDn);
    a.caFile = clientSetting(settings, key::LdapCaFile);
    a.startTlsHere = yes(clientSetting(settings, key::LdapStartTls));
    a.attributes = ldap::attributeMap(settings);
    return std::make_shared<LdapStore>(std::move(a));
}

} // namespace contactclient
