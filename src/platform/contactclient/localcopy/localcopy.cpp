// A little over 400 lines: the refresh thread, the settling of freshly written cards and the
// hand-over of the new copy to the UI thread share one job record and one lock; kept together so
// that every step of that hand-over can be read, and checked, in one place.

#include "localcopy.h"

#include "contactclient/carddav/vdircache.h"
#include "contactclient/vcard/folderscan.h"
#include "contactclient/vcard/vcardfolder.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "safefile.h"

#include <QDateTime>
#include <QDir>
#include <QMetaMethod>
#include <QThread>
#include <QTimer>

#include <condition_variable>
#include <utility>

namespace contactclient {
namespace {

// A change that lands before anyone listens (the bar still building its first lists from the
// copy) is told to the first one who connects: the lists are never left older than the copy.
class CopyNotifier : public StoreNotifier {
public:
    void notify()
    {
        if (isSignalConnected(QMetaMethod::fromSignal(&StoreNotifier::changed)))
            emit changed();
        else
            m_pending = true;
    }

protected:
    void connectNotify(const QMetaMethod& signal) override
    {
        if (m_pending && signal == QMetaMethod::fromSignal(&StoreNotifier::changed)) {
            m_pending = false;
            QMetaObject::invokeMethod(this, &StoreNotifier::changed, Qt::QueuedConnection);
        }
    }

private:
    bool m_pending = false;
};

// "yyyy-MM-dd HH:mm" in local time for an ISO date and time in UTC; empty when it is none.
QString localCopyTime(const QString& isoUtc)
{
    const QDateTime when = QDateTime::fromString(isoUtc, Qt::ISODate);
    return when.isValid() ? when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

} // namespace

// One refresh, shared between the store (UI thread) and the refresh thread.
struct LocalCopy::Job {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool applied = false;
    std::atomic<bool> cancel{false};
    bool stopSettling = false; // under mutex
    bool readAlways = false;   // no copy to start from: read it whatever the refresh brings
    Outcome outcome;
};

LocalCopy::LocalCopy(QString base, QString inside, Texts texts)
    : m_base(std::move(base)), m_inside(std::move(inside)), m_folder(m_base + QLatin1Char('/') + m_inside),
      m_texts(std::move(texts)), m_notifier(std::make_unique<CopyNotifier>())
{
}

LocalCopy::~LocalCopy()
{
    if (m_job) {
        m_job->cancel = true;
        stopSettling(*m_job);
    }
    if (m_thread)
        m_thread->wait();
    m_notifier.reset();
}

bool LocalCopy::prepare()
{
    // The copy holds personal data: only its owner may read it, and no folder on its way may be
    // someone else's or lead elsewhere through a symbolic link.
    QString why;
    if (!safefile::openPrivateFolder(m_base, m_inside, &why).isOpen())
        throw AutomationError(
            errStoreUnavailable,
            QStringLiteral("%1 cannot be kept in %2: %3.").arg(m_texts.copy, QDir::toNativeSeparators(m_folder), why));
    // Only the small state file: the index is read when the copy is.
    const carddav::CopyState state = carddav::VdirCache::readState(m_folder);
    m_haveCopy = state.complete;
    m_opening = true;
    m_syncedAt = state.state.syncedAt;
    m_skipped = state.broken;
    m_packs = state.packs;
    return m_haveCopy;
}

void LocalCopy::openOffline(const QString& why)
{
    m_opening = false;
    {
        std::lock_guard lock(m_lock);
        m_offlineNote = QStringLiteral("Working offline from the copy of %1: %2").arg(localCopyTime(m_syncedAt), why);
    }
    readCopy(m_skipped);
}

void LocalCopy::readCopy(int skipped)
{
    if (skipped < 0) {
        carddav::VdirCache index(m_folder);
        index.load();
        skipped = index.brokenCount();
    }
    const QString folder = cardFolder(m_folder, m_packs);
    std::shared_ptr<Store> copy = createVCardFolderStore(folder);
    copy->open();
    std::lock_guard lock(m_lock);
    m_skipped = skipped;
    setCopy(std::move(copy), folder);
}

void LocalCopy::setCopy(std::shared_ptr<Store> copy, QString folder)
{
    m_copy = std::move(copy);
    m_copyFolder = std::move(folder);
}

QString LocalCopy::copyFolder() const
{
    std::lock_guard lock(m_lock);
    return m_copyFolder;
}

QString LocalCopy::cardFolder(const QString& folder, const QString& packs)
{
    // The name comes from the copy's own state file; anything but a plain name in the folder
    // itself is not one of ours.
    if (packs.isEmpty() || packs.startsWith(QLatin1Char('.')) || packs.contains(QLatin1Char('/')) ||
        packs.contains(QChar(0)))
        return folder;
    return folder + QLatin1Char('/') + packs;
}

std::shared_ptr<Store> LocalCopy::current() const
{
    std::lock_guard lock(m_lock);
    return m_copy;
}

bool LocalCopy::isRefreshing() const
{
    if (m_deferred)
        return true;
    if (!m_job)
        return false;
    std::lock_guard lock(m_job->mutex);
    return !m_job->done;
}

void LocalCopy::runRefresh(Work work)
{
    if (m_opening && m_haveCopy && m_startupWait.count() == 0) {
        // Nobody waits for it: it starts once the copy is read, rather than share the processor
        // with the reading.
        m_deferred = std::move(work);
        return;
    }
    if (m_thread) {
        if (m_job)
            stopSettling(*m_job);
        m_thread->wait();
        m_thread.reset();
    }
    auto job = std::make_shared<Job>();
    job->readAlways = !m_haveCopy && !current();
    m_job = job;
    const QString folder = m_folder;
    StoreNotifier* notifier = m_notifier.get();
    const bool settle = m_settle;
    m_thread.reset(QThread::create([this, job, folder, notifier, settle, work = std::move(work)] {
        // The copy's store reads the whole folder again when it sees the folder changed: a refresh
        // that touched it (its state written anew, a card) has the copy read here instead.
        const qint64 folderBefore = folderMtime(folder);
        Outcome outcome;
        QString settleFolder; // the cards written, to be read once more when they have settled
        try {
            outcome = work(job->cancel);
        } catch (const std::exception& e) {
            outcome = {};
            outcome.error = QString::fromUtf8(e.what());
        } catch (...) {
            outcome = {};
            outcome.error = QStringLiteral("The refresh failed.");
        }
        const auto workEnd = std::chrono::steady_clock::now();
        // What the copy holds now, and the copy read afresh when the lists may change: read here,
        // so that the UI thread only swaps it in.
        try {
            const carddav::CopyState state = carddav::VdirCache::readState(folder);
            outcome.copyComplete = state.complete;
            outcome.syncedAt = state.state.syncedAt;
            const QString cards = cardFolder(folder, state.packs);
            if (state.broken >= 0)
                outcome.skipped = state.broken;
            const bool touched = folderMtime(folder) != folderBefore;
            outcome.listsMayDiffer = (outcome.status == Outcome::Done && outcome.copyChanged) || job->readAlways ||
                                     (outcome.status != Outcome::Done && touched);
            if ((outcome.listsMayDiffer || touched) && !job->cancel) {
                if (outcome.skipped < 0) {
                    carddav::VdirCache index(folder);
                    index.load();
                    outcome.skipped = index.brokenCount();
                }
                std::shared_ptr<Store> copy = createVCardFolderStore(cards);
                copy->open();
                outcome.read = std::move(copy);
                outcome.readFolder = cards;
                if (settle && outcome.status == Outcome::Done && outcome.copyChanged)
                    settleFolder = cards;
            }
        } catch (const std::exception&) {
            // Read again when it lands, where a failure reaches the user.
            outcome.read.reset();
        }
        {
            std::lock_guard lock(job->mutex);
            job->outcome = std::move(outcome);
            job->done = true;
        }
        job->finished.notify_all();
        QMetaObject::invokeMethod(
            notifier,
            [this, job] {
                if (job == m_job)
                    apply(true);
            },
            Qt::QueuedConnection);
        if (!settleFolder.isEmpty())
            settleCards(*job, settleFolder, workEnd);
    }));
    m_thread->start();
}

void LocalCopy::stopSettling(Job& job)
{
    {
        std::lock_guard lock(job.mutex);
        job.stopSettling = true;
    }
    job.finished.notify_all();
}

void LocalCopy::settleCards(Job& job, const QString& cards, std::chrono::steady_clock::time_point written)
{
    // The folder summary vouches only for files whose times lie a clock margin before the read that
    // recorded them: cards written just before the copy was read would be read again by the next
    // start. Read once more when they have settled (unless the store goes or refreshes again), so
    // that the summary takes the next start over all of them.
    const auto settled = written + std::chrono::nanoseconds(kRacyMarginNs) + std::chrono::milliseconds(200);
    {
        std::unique_lock lock(job.mutex);
        if (job.finished.wait_until(lock, settled, [&] { return job.stopSettling; }))
            return;
    }
    try {
        createVCardFolderStore(cards)->open();
    } catch (const std::exception&) {
        // Only the summary was at stake: the next start reads what it cannot vouch for.
    }
}

void LocalCopy::waitForSettling()
{
    if (m_thread)
        m_thread->wait();
    apply(true);
}

void LocalCopy::finishOpen()
{
    m_opening = false;
    if (m_haveCopy)
        readCopy(m_skipped);
    if (m_deferred)
        runRefresh(std::exchange(m_deferred, nullptr));
    std::shared_ptr<Job> job = m_job;
    if (!job)
        return;
    {
        std::unique_lock lock(job->mutex);
        const auto landed = [&] { return job->done; };
        const std::chrono::milliseconds wait = m_haveCopy ? m_startupWait : m_firstWait;
        if (wait == std::chrono::milliseconds::max())
            job->finished.wait(lock, landed);
        else if (wait.count() > 0)
            job->finished.wait_for(lock, wait, landed);
    }
    bool done = false;
    Outcome::Status status = Outcome::Failed;
    QString error;
    {
        std::lock_guard lock(job->mutex);
        done = job->done;
        status = job->outcome.status;
        error = job->outcome.error;
    }
    if (done) {
        apply(false);
        if (status != Outcome::Done && !m_haveCopy)
            throw AutomationError(
                errStoreUnavailable,
                QStringLiteral("%1 cannot be opened, and there is no copy of it on this computer yet. %2")
                    .arg(m_texts.book, error));
        return;
    }
    std::lock_guard lock(m_lock);
    if (!m_haveCopy) {
        // A server that has not answered in all this time does not keep the bar from starting:
        // its lists start empty and fill when the first refresh lands.
        m_waitingForFirstCopy = true;
        setCopy(createVCardFolderStore(m_folder), m_folder);
        m_copy->open();
        m_offlineNote =
            QStringLiteral("The %1 has not answered yet; the contacts appear as soon as it does.").arg(m_texts.server);
    } else if (m_startupWait.count() > 0) {
        m_offlineNote = QStringLiteral("Working offline from the copy of %1 until the %2 answers.")
                            .arg(localCopyTime(m_syncedAt), m_texts.server);
    }
}

void LocalCopy::copyWritten()
{
    if (const auto folder = std::dynamic_pointer_cast<VCardFolderStore>(current()))
        folder->markStale();
    static_cast<CopyNotifier*>(m_notifier.get())->notify();
}

void LocalCopy::waitForRefresh()
{
    std::shared_ptr<Job> job = m_job;
    if (!job)
        return;
    {
        std::unique_lock lock(job->mutex);
        job->finished.wait(lock, [&] { return job->done; });
    }
    apply(true);
}

void LocalCopy::apply(bool emitChanged)
{
    std::shared_ptr<Job> job = m_job;
    Outcome outcome;
    {
        std::lock_guard lock(job->mutex);
        if (!job->done || job->applied)
            return;
        job->applied = true;
        outcome = std::move(job->outcome);
    }
    landed(outcome);
    if (outcome.status == Outcome::Cancelled)
        return;
    const QString before = statusNote();
    bool retry = false;
    bool swapped = false;
    {
        std::lock_guard lock(m_lock);
        if (outcome.status == Outcome::Done) {
            m_waitingForFirstCopy = false;
            m_offlineNote.clear();
        } else if (outcome.copyComplete) {
            m_offlineNote = QStringLiteral("Working offline from the copy of %1: %2")
                                .arg(localCopyTime(outcome.syncedAt), outcome.error);
        } else {
            // No copy yet: the server is asked again a while later, until a refresh works.
            retry = m_waitingForFirstCopy && !outcome.authRefused;
            m_offlineNote = retry ? QStringLiteral("%1 cannot be fetched yet (%2); Quintel tries again.")
                                        .arg(m_texts.retryName, outcome.error)
                                  : QStringLiteral("%1 cannot be fetched: %2").arg(m_texts.retryName, outcome.error);
        }
        if (outcome.skipped >= 0)
            m_skipped = outcome.skipped;
        if (outcome.read) {
            // The same cards, read afresh, replace the old ones quietly.
            setCopy(std::move(outcome.read), outcome.readFolder);
            swapped = outcome.listsMayDiffer;
        }
    }
    if (!current()) {
        m_packs = carddav::VdirCache::readState(m_folder).packs;
        readCopy(-1);
        swapped = true;
    }
    if (retry)
        QTimer::singleShot(m_retryDelay, m_notifier.get(), [this] { refresh(); });
    if (emitChanged && (swapped || statusNote() != before))
        static_cast<CopyNotifier*>(m_notifier.get())->notify();
}

std::shared_ptr<ItemSet> LocalCopy::items()
{
    const std::shared_ptr<Store> copy = current();
    if (!copy)
        throw AutomationError(errStoreUnavailable, QStringLiteral("%1 is not open.").arg(m_texts.book));
    return copy->items();
}

std::shared_ptr<ContactItem> LocalCopy::itemFromId(const QString& entryId)
{
    const std::shared_ptr<Store> copy = current();
    if (!copy)
        throw AutomationError(errStoreUnavailable, QStringLiteral("%1 is not open.").arg(m_texts.book));
    return copy->itemFromId(entryId);
}

QString LocalCopy::statusNote() const
{
    std::shared_ptr<Store> copy;
    QStringList parts;
    {
        std::lock_guard lock(m_lock);
        copy = m_copy;
        if (!m_offlineNote.isEmpty())
            parts.append(m_offlineNote);
        if (m_skipped > 0 && m_texts.skipped)
            parts.append(m_texts.skipped(m_skipped));
    }
    if (copy) {
        const QString folderNote = copy->statusNote();
        if (!folderNote.isEmpty())
            parts.append(folderNote);
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace contactclient
