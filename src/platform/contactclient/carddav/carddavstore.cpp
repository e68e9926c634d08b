#include "carddavstore.h"

#include "contactclient/clientapplication.h"
#include "contactclient/clientconfig.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "credentials.h"
#include "davhttp.h"
#include "davurl.h"
#include "discovery.h"
#include "safefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <condition_variable>
#include <mutex>

namespace contactclient {

using namespace carddav;

// One sync, shared between the store (main thread) and the sync thread.
struct CardDavStore::Job {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool applied = false;
    std::atomic<bool> cancel{false};
    // outcome
    bool ok = false;
    DavError::Kind errorKind = DavError::Network;
    QString error;
    SyncResult result;
};

namespace {

QString localTime(const QString& isoUtc)
{
    const QDateTime when = QDateTime::fromString(isoUtc, Qt::ISODate);
    return when.isValid() ? when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

} // namespace

CardDavStore::CardDavStore(CardDavAccount account, QString cacheRoot, SyncOptions options)
    : m_account(std::move(account)), m_options(std::move(options)), m_notifier(std::make_unique<StoreNotifier>())
{
    QUrl server;
    try {
        server = serverUrl(m_account.url);
    } catch (const AutomationError& e) {
        m_configError = e.description(); // reported by open()
        server = QUrl(m_account.url);
    }
    m_host = server.host();
    // The copy's own folders (the account's, and Quintel/carddav under the cache) are made and
    // checked by open(); the folder above them is the user's.
    const QString key = accountKey(server, m_account.user, m_account.addressBook);
    m_cacheBase =
        cacheRoot.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) : cacheRoot;
    m_cacheInside = cacheRoot.isEmpty() ? QStringLiteral("Quintel/carddav/") + key : key;
    m_folder = m_cacheBase + QLatin1Char('/') + m_cacheInside;
}

CardDavStore::~CardDavStore()
{
    if (m_job)
        m_job->cancel = true;
    if (m_thread)
        m_thread->wait();
    m_notifier.reset();
}

void CardDavStore::open()
{
    if (!m_configError.isEmpty())
        throw AutomationError(errStoreUnavailable, m_configError);
    // The copy holds personal data: only its owner may read it, and no folder on its way may be
    // someone else's or lead elsewhere through a symbolic link.
    QString why;
    if (!safefile::openPrivateFolder(m_cacheBase, m_cacheInside, &why).isOpen())
        throw AutomationError(errStoreUnavailable, QStringLiteral("The address book's copy cannot be kept in %1: %2.")
                                                       .arg(QDir::toNativeSeparators(m_folder), why));
    VdirCache copy(m_folder);
    copy.load();
    const bool haveCopy = copy.isComplete();

    if (!isSyncing()) {
        if (!m_account.user.isEmpty()) {
            QString why;
            const std::optional<QString> password =
                passwordFor(m_account.user, m_host, &why, keyringKey(m_account.user, m_account.url.trimmed()));
            if (!password) {
                if (!haveCopy)
                    throw AutomationError(errStoreUnavailable,
                                          QStringLiteral("The CardDAV address book cannot be opened: %1").arg(why));
                m_offlineNote = QStringLiteral("Working offline from the copy of %1: %2")
                                    .arg(localTime(copy.state().syncedAt), why);
                reopenCopy();
                return;
            }
            m_password = *password;
        }
        startSync();
    }

    // While the server is asked, the copy is read: most starts change nothing in it.
    const auto deadline = std::chrono::steady_clock::now() + (haveCopy ? m_startupWait : m_firstWait);
    if (haveCopy)
        reopenCopy();
    std::shared_ptr<Job> job = m_job;
    {
        std::unique_lock lock(job->mutex);
        job->finished.wait_until(lock, deadline, [&] { return job->done; });
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
                              QStringLiteral("The CardDAV address book cannot be opened, and there is no copy of it on "
                                             "this computer yet. %1")
                                  .arg(error));
    }
    if (done) {
        applyResult(false);
        return;
    }
    if (!haveCopy) {
        // A server that has not answered in all this time does not keep the bar from starting:
        // its lists start empty and fill when the first sync ends.
        m_waitingForFirstCopy = true;
        reopenCopy();
        m_offlineNote = QStringLiteral("The address book server has not answered yet; the contacts appear as soon as "
                                       "it does.");
        return;
    }
    m_offlineNote = QStringLiteral("Working offline from the copy of %1 until the address book server answers.")
                        .arg(localTime(copy.state().syncedAt));
}

std::shared_ptr<ItemSet> CardDavStore::items()
{
    if (!m_copy)
        throw AutomationError(errStoreUnavailable, QStringLiteral("The CardDAV address book is not open."));
    return m_copy->items();
}

std::shared_ptr<ContactItem> CardDavStore::itemFromId(const QString& entryId)
{
    if (!m_copy)
        throw AutomationError(errStoreUnavailable, QStringLiteral("The CardDAV address book is not open."));
    return m_copy->itemFromId(entryId);
}

QString CardDavStore::statusNote() const
{
    QStringList parts;
    if (!m_offlineNote.isEmpty())
        parts.append(m_offlineNote);
    if (m_brokenCards > 0)
        parts.append(
            m_brokenCards == 1
                ? QStringLiteral("1 card on the server cannot be read and was skipped.")
                : QStringLiteral("%1 cards on the server cannot be read and were skipped.").arg(m_brokenCards));
    if (m_copy) {
        const QString folderNote = m_copy->statusNote();
        if (!folderNote.isEmpty())
            parts.append(folderNote);
    }
    return parts.join(QLatin1Char(' '));
}

bool CardDavStore::isSyncing() const
{
    if (!m_job)
        return false;
    std::lock_guard lock(m_job->mutex);
    return !m_job->done;
}

void CardDavStore::refresh()
{
    if (!m_configError.isEmpty() || isSyncing() || (!m_account.user.isEmpty() && m_password.isEmpty()))
        return;
    startSync();
}

void CardDavStore::waitForSync()
{
    if (!m_job)
        return;
    {
        std::unique_lock lock(m_job->mutex);
        m_job->finished.wait(lock, [this] { return m_job->done; });
    }
    applyResult(true);
}

void CardDavStore::startSync()
{
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
    }
    auto job = std::make_shared<Job>();
    m_job = job;
    const CardDavAccount account = m_account;
    const DavCredentials credentials{m_account.user, m_password};
    const QString folder = m_folder;
    const SyncOptions options = m_options;
    StoreNotifier* notifier = m_notifier.get();
    m_thread.reset(QThread::create([job, account, credentials, folder, options, notifier, this] {
        VdirCache copy(folder);
        try {
            const QUrl server = serverUrl(account.url);
            // Requests, and so the password, go to the configured server or the account's own
            // address book URL only, whatever a server names in its answers.
            QList<QUrl> servers{server};
            const QUrl ownBook(account.addressBook);
            if (ownBook.isValid() && !ownBook.scheme().isEmpty() && !ownBook.host().isEmpty())
                servers.append(ownBook);
            DavHttp http(credentials, servers, &job->cancel);
            copy.load();
            SyncResult result;
            const QString known = copy.isComplete() ? copy.state().addressBook : QString();
            bool synced = false;
            if (!known.isEmpty()) {
                try {
                    result = SyncEngine(http, copy, options).run(QUrl(known));
                    synced = true;
                } catch (const DavError& e) {
                    if (e.kind() != DavError::Http && e.kind() != DavError::Protocol)
                        throw; // the address book moved or went: look for it again below
                }
            }
            if (!synced)
                result = SyncEngine(http, copy, options).run(discoverAddressBook(http, server, account.addressBook));
            std::lock_guard lock(job->mutex);
            job->ok = true;
            job->result = result;
        } catch (const DavError& e) {
            std::lock_guard lock(job->mutex);
            job->errorKind = e.kind();
            job->error = e.message();
        } catch (const AutomationError& e) {
            std::lock_guard lock(job->mutex);
            job->errorKind = DavError::Config;
            job->error = e.description();
        } catch (const std::exception& e) {
            std::lock_guard lock(job->mutex);
            job->errorKind = DavError::Protocol;
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

void CardDavStore::applyResult(bool emitChanged)
{
    std::shared_ptr<Job> job = m_job;
    bool ok = false;
    DavError::Kind kind = DavError::Network;
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
            m_lastSync = job->result;
    }
    const bool copyChanged = ok && (m_lastSync.written > 0 || m_lastSync.removed > 0);
    if (ok)
        m_waitingForFirstCopy = false;
    if (ok) {
        m_offlineNote.clear();
        if (!m_account.user.isEmpty())
            passwordAccepted(m_account.user, m_host, m_password);
    } else if (kind != DavError::Cancelled) {
        if (kind == DavError::Auth) {
            passwordRefused(m_account.user, m_host);
            m_password.clear();
        }
        VdirCache copy(m_folder);
        copy.load();
        if (copy.isComplete()) {
            m_offlineNote =
                QStringLiteral("Working offline from the copy of %1: %2").arg(localTime(copy.state().syncedAt), error);
        } else {
            // No copy yet: the server is asked again a while later, until a sync succeeds.
            m_offlineNote =
                QStringLiteral("The address book cannot be fetched yet (%1); Quintel tries again.").arg(error);
            if (m_waitingForFirstCopy && kind != DavError::Auth)
                QTimer::singleShot(m_retryDelay, m_notifier.get(), [this] { refresh(); });
        }
    }
    if (!m_copy || copyChanged)
        reopenCopy();
    else if (ok)
        m_brokenCards = m_lastSync.broken;
    if (emitChanged)
        emit m_notifier->changed();
}

void CardDavStore::reopenCopy()
{
    VdirCache index(m_folder);
    index.load();
    m_brokenCards = index.brokenCount();
    std::shared_ptr<Store> copy = createVCardFolderStore(m_folder);
    copy->open();
    m_copy = std::move(copy);
}

std::shared_ptr<Store> createCardDavStore(const SettingsStore& settings)
{
    return std::make_shared<CardDavStore>(CardDavAccount{clientSetting(settings, key::CardDavUrl),
                                                         clientSetting(settings, key::CardDavUser),
                                                         clientSetting(settings, key::CardDavAddressBook)});
}

} // namespace contactclient
