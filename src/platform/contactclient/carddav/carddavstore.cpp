#include "carddavstore.h"

#include "carddavitem.h"
#include "cardwriter.h"
#include "contactclient/clientapplication.h"
#include "contactclient/clientconfig.h"
#include "contactclient/vcard/cardfile.h"
#include "contactclient/vcard/vcardcontactitem.h"
#include "contactclient/vcard/vcardfolder.h"
#include "credentials.h"
#include "davhttp.h"
#include "davurl.h"
#include "discovery.h"
#include "vdircache.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QTimer>

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

// Requests, and so the password, go to the configured server or the account's own address book
// URL only, whatever a server names in its answers.
QList<QUrl> serversOf(const CardDavAccount& account)
{
    QList<QUrl> servers{serverUrl(account.url)};
    const QUrl ownBook(account.addressBook);
    if (ownBook.isValid() && !ownBook.scheme().isEmpty() && !ownBook.host().isEmpty())
        servers.append(ownBook);
    return servers;
}

QString collectionOf(const QUrl& book)
{
    QString path = book.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// What a sync reports to the UI thread: the sync itself, and what became of the changes that
// waited for the server.
struct SyncReport {
    SyncResult result;
    QStringList notes;
};

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
    m_link = std::make_shared<CardDavLink>();
    m_link->store = this;
}

CardDavStore::~CardDavStore()
{
    m_link->store = nullptr;
}

void CardDavStore::open()
{
    if (!m_configError.isEmpty())
        throw AutomationError(errStoreUnavailable, m_configError);
    const bool haveCopy = prepare();
    m_book = VdirCache::readState(cacheFolder()).state.addressBook;
    m_waiting = PendingChanges::count(cacheFolder());
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
    if (!m_configError.isEmpty() || isRefreshing() || m_writing || (!m_account.user.isEmpty() && m_password.isEmpty()))
        return;
    startSync();
}

void CardDavStore::startSync()
{
    const CardDavAccount account = m_account;
    const DavCredentials credentials{m_account.user, m_password};
    const QString folder = cacheFolder();
    const SyncOptions options = m_options;
    const QString unsent = unsentFolder();
    runRefresh([account, credentials, folder, options, unsent](const std::atomic<bool>& cancel) {
        Outcome outcome;
        VdirCache copy(folder);
        SyncReport report;
        try {
            const QUrl server = serverUrl(account.url);
            DavHttp http(credentials, serversOf(account), &cancel);
            copy.load();
            SyncResult result;
            const QString known = copy.isComplete() ? copy.state().addressBook : QString();
            bool synced = false;
            if (!known.isEmpty()) {
                // Changes made while the server could not be reached go first, with the checks they
                // would have had: the sync then brings what the server made of them.
                copy.setCollection(collectionOf(QUrl(known)));
                CardWriter writer(copy, QUrl(known), &http, unsent);
                try {
                    writer.sendPending();
                } catch (...) {
                    report.notes = writer.notes();
                    outcome.detail = report;
                    throw;
                }
                report.notes = writer.notes();
                outcome.detail = report;
            }
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
            report.result = result;
            outcome.detail = report;
        } catch (const DavError& e) {
            outcome.status = e.kind() == DavError::Cancelled ? Outcome::Cancelled : Outcome::Failed;
            outcome.authRefused = e.kind() == DavError::Auth;
            outcome.error = e.message();
        } catch (const AutomationError& e) {
            outcome.status = Outcome::Failed;
            outcome.error = e.description();
        }
        return outcome;
    });
}

void CardDavStore::landed(const Outcome& outcome)
{
    if (const auto* report = std::any_cast<SyncReport>(&outcome.detail))
        addNotes(report->notes);
    m_waiting = PendingChanges::count(cacheFolder());
    if (m_waiting > 0 && outcome.status == Outcome::Failed)
        scheduleSend();
    if (outcome.status == Outcome::Done) {
        if (const auto* report = std::any_cast<SyncReport>(&outcome.detail))
            m_lastSync = report->result;
        m_book = VdirCache::readState(cacheFolder()).state.addressBook;
        if (!m_account.user.isEmpty())
            passwordAccepted(m_account.user, m_host, m_password);
    } else if (outcome.authRefused) {
        passwordRefused(m_account.user, m_host);
        m_password.clear();
    }
}

void CardDavStore::addNotes(const QStringList& notes)
{
    std::lock_guard lock(m_notesLock);
    m_notes.append(notes);
}

void CardDavStore::scheduleSend()
{
    if (m_sendScheduled)
        return;
    m_sendScheduled = true;
    QTimer::singleShot(m_options.sendRetry, notifier(), [this] {
        m_sendScheduled = false;
        if (m_waiting > 0)
            refresh();
    });
}

std::shared_ptr<ContactItem> CardDavStore::itemFromId(const QString& entryId)
{
    return std::make_shared<CardDavContactItem>(entryId, LocalCopy::itemFromId(entryId), m_link);
}

QString CardDavStore::statusNote() const
{
    QStringList parts;
    if (const QString note = LocalCopy::statusNote(); !note.isEmpty())
        parts.append(note);
    if (const int waiting = m_waiting; waiting > 0)
        parts.append(QCoreApplication::translate(
            "CardDav", "%n change(s) to contacts wait for the address book server and are sent when it answers.",
            nullptr, waiting));
    std::lock_guard lock(m_notesLock);
    parts.append(m_notes);
    return parts.join(QLatin1Char(' '));
}

bool CardDavStore::writable() const
{
    return m_configError.isEmpty() && !m_book.isEmpty();
}

QString CardDavStore::readOnlyReason() const
{
    if (writable())
        return {};
    if (!m_configError.isEmpty())
        return m_configError;
    return QCoreApplication::translate("CardDav", "The address book has not been fetched from its server yet; its "
                                                  "contacts can be changed once it has.");
}

std::shared_ptr<ContactItem> CardDavStore::createItem(const QString& book)
{
    requireOwnBook(book);
    if (!writable())
        throw AutomationError(errReadOnly, readOnlyReason());
    return std::make_shared<CardDavContactItem>(
        QString(), std::make_shared<VCardContactItem>(QString(), vcard::ContactData()), m_link);
}

CardDavStore::CardRef CardDavStore::cardOf(const QString& entryId) const
{
    QString file;
    int card = 1;
    if (!parseEntryId(entryId, file, card) || card != 1)
        throw ItemNotFound(entryId);
    VdirCache copy(cacheFolder());
    copy.load();
    const QString href = copy.hrefOfFile(file);
    if (href.isEmpty())
        throw ItemNotFound(entryId);
    return {href, copy.index().value(href).etag};
}

QString CardDavStore::hrefFor(const QString& uid) const
{
    return collectionOf(QUrl(m_book)) + uid + QStringLiteral(".vcf");
}

QString CardDavStore::entryIdOf(const QString& href) const
{
    VdirCache copy(cacheFolder());
    copy.setCollection(collectionOf(QUrl(m_book)));
    return copy.fileNameFor(href);
}

QString CardDavStore::waitingNote()
{
    return QCoreApplication::translate("CardDav", "The address book server cannot be reached: the change is kept on "
                                                  "this computer and sent when the server answers again.");
}

QString CardDavStore::unsentFolder()
{
    return QFileInfo(deletedCardsFolder()).path() + QStringLiteral("/unsent-contacts");
}

bool CardDavStore::write(const PendingChange& change)
{
    if (!writable())
        throw AutomationError(errReadOnly, readOnlyReason());
    if (m_writing)
        throw AutomationError(errNotWritten,
                              QCoreApplication::translate("CardDav", "Another change is being written; try again."));
    // One writer of the copy at a time: a sync that runs is waited for, and none starts meanwhile.
    if (isRefreshing())
        waitForRefresh();
    const QScopedValueRollback writing(m_writing, true);
    VdirCache copy(cacheFolder());
    copy.load();
    const QUrl book(m_book);
    copy.setCollection(collectionOf(book));
    std::unique_ptr<DavHttp> http;
    if (m_account.user.isEmpty() || !m_password.isEmpty()) {
        http = std::make_unique<DavHttp>(DavCredentials{m_account.user, m_password}, serversOf(m_account));
        // The user waits for the answer: a server that does not give one soon counts as unreachable.
        http->setTimeout(15000, 15000);
        http->setDeadline(30000, 30000);
    }
    CardWriter writer(copy, book, http.get(), unsentFolder());
    CardWriter::Result result = CardWriter::Result::Sent;
    try {
        result = writer.write(change);
    } catch (const AutomationError&) {
        addNotes(writer.notes());
        copyWritten(); // a conflict brought the server's card into the copy
        throw;
    } catch (const std::exception& e) {
        throw AutomationError(errNotWritten,
                              QCoreApplication::translate("CardDav", "The change to “%1” was not written: %2")
                                  .arg(change.name, QString::fromUtf8(e.what())));
    }
    if (change.kind == PendingChange::Remove)
        QFile::remove(cacheFolder() + QLatin1Char('/') + copy.fileNameFor(change.href));
    addNotes(writer.notes());
    m_waiting = writer.waiting();
    copyWritten();
    if (m_waiting > 0)
        scheduleSend();
    return result == CardWriter::Result::Queued;
}

std::shared_ptr<Store> createCardDavStore(const SettingsStore& settings, std::shared_ptr<PasswordPrompt> prompt)
{
    return std::make_shared<CardDavStore>(CardDavAccount{clientSetting(settings, key::CardDavUrl),
                                                         clientSetting(settings, key::CardDavUser),
                                                         clientSetting(settings, key::CardDavAddressBook)},
                                          QString(), SyncOptions{}, std::move(prompt));
}

} // namespace contactclient
