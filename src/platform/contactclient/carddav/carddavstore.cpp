#include "carddavstore.h"

#include "contactclient/clientapplication.h"
#include "contactclient/clientconfig.h"
#include "credentials.h"
#include "davhttp.h"
#include "davurl.h"
#include "discovery.h"
#include "vdircache.h"

#include <QStandardPaths>

namespace contactclient {

using namespace carddav;

namespace {

QUrl serverOf(const CardDavAccount& account, QString* error)
{
    try {
        return serverUrl(account.url);
    } catch (const AutomationError& e) {
        *error = e.description(); // reported by open()
        return QUrl(account.url);
    }
}

LocalCopy::Texts texts()
{
    return {QStringLiteral("The CardDAV address book"), QStringLiteral("The address book's copy"),
            QStringLiteral("address book server"), QStringLiteral("The address book"), [](int count) {
                return count == 1
                           ? QStringLiteral("1 card on the server cannot be read and was skipped.")
                           : QStringLiteral("%1 cards on the server cannot be read and were skipped.").arg(count);
            }};
}

// The copy's own folders (the account's, and Quintel/carddav under the cache) are made and
// checked by open(); the folder above them is the user's.
QString cacheBase(const QString& cacheRoot)
{
    return cacheRoot.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) : cacheRoot;
}

QString cacheInside(const QString& cacheRoot, const CardDavAccount& account)
{
    QString ignored;
    const QString key = accountKey(serverOf(account, &ignored), account.user, account.addressBook);
    return cacheRoot.isEmpty() ? QStringLiteral("Quintel/carddav/") + key : key;
}

} // namespace

CardDavStore::CardDavStore(CardDavAccount account, QString cacheRoot, SyncOptions options,
                           std::shared_ptr<PasswordPrompt> prompt)
    : LocalCopy(cacheBase(cacheRoot), cacheInside(cacheRoot, account), texts()), m_account(std::move(account)),
      m_host(serverOf(m_account, &m_configError).host()), m_options(std::move(options)), m_prompt(std::move(prompt))
{
    setFirstWait(std::chrono::seconds(20), std::chrono::seconds(30));
    // A download or a sync that brought many cards has just written them: the summary of the
    // copy is made whole once they have settled, so that the next start reads none of them again.
    setSettleCards(true);
}

void CardDavStore::open()
{
    if (!m_configError.isEmpty())
        throw AutomationError(errStoreUnavailable, m_configError);
    const bool haveCopy = prepare();
    if (!isRefreshing()) {
        if (!m_account.user.isEmpty()) {
            QString why;
            const std::optional<QString> password = passwordFor(m_prompt.get(), m_account.user, m_host, &why,
                                                                keyringKey(m_account.user, m_account.url.trimmed()));
            if (!password) {
                if (!haveCopy)
                    throw AutomationError(errStoreUnavailable,
                                          QStringLiteral("The CardDAV address book cannot be opened: %1").arg(why));
                openOffline(why);
                return;
            }
            m_password = *password;
        }
        startSync();
    }
    finishOpen();
}

void CardDavStore::refresh()
{
    if (!m_configError.isEmpty() || isRefreshing() || (!m_account.user.isEmpty() && m_password.isEmpty()))
        return;
    startSync();
}

void CardDavStore::startSync()
{
    const CardDavAccount account = m_account;
    const DavCredentials credentials{m_account.user, m_password};
    const QString folder = cacheFolder();
    const SyncOptions options = m_options;
    runRefresh([account, credentials, folder, options](const std::atomic<bool>& cancel) {
        Outcome outcome;
        VdirCache copy(folder);
        try {
            const QUrl server = serverUrl(account.url);
            // Requests, and so the password, go to the configured server or the account's own
            // address book URL only, whatever a server names in its answers.
            QList<QUrl> servers{server};
            const QUrl ownBook(account.addressBook);
            if (ownBook.isValid() && !ownBook.scheme().isEmpty() && !ownBook.host().isEmpty())
                servers.append(ownBook);
            DavHttp http(credentials, servers, &cancel);
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
            outcome.status = Outcome::Done;
            outcome.copyChanged = result.written > 0 || result.removed > 0;
            outcome.skipped = result.broken;
            outcome.detail = result;
        } catch (const DavError& e) {
            outcome.status = e.kind() == DavError::Cancelled ? Outcome::Cancelled : Outcome::Failed;
            outcome.authRefused = e.kind() == DavError::Auth;
            outcome.error = e.message();
        } catch (const AutomationError& e) {
            outcome.error = e.description();
        }
        return outcome;
    });
}

void CardDavStore::landed(const Outcome& outcome)
{
    if (outcome.status == Outcome::Done) {
        m_lastSync = std::any_cast<SyncResult>(outcome.detail);
        if (!m_account.user.isEmpty())
            passwordAccepted(m_account.user, m_host, m_password);
    } else if (outcome.authRefused) {
        passwordRefused(m_account.user, m_host);
        m_password.clear();
    }
}

std::shared_ptr<Store> createCardDavStore(const SettingsStore& settings, std::shared_ptr<PasswordPrompt> prompt)
{
    return std::make_shared<CardDavStore>(CardDavAccount{clientSetting(settings, key::CardDavUrl),
                                                         clientSetting(settings, key::CardDavUser),
                                                         clientSetting(settings, key::CardDavAddressBook)},
                                          QString(), SyncOptions{}, std::move(prompt));
}

} // namespace contactclient
