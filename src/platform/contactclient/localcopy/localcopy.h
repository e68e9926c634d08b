#pragma once
// A server's address book served from a local copy: a vdir folder that the vCard folder back-end
// reads, brought up to date by a refresh on a background thread. The server back-ends (CardDAV,
// LDAP) derive from it: each gives its open() (credentials), the refresh itself and its own words;
// the rest is here.
//
// With a copy, the start reads it and is done: the refresh runs behind. When it lands, the copy
// read afresh on the refresh thread takes the place of the old one on the UI thread, and the
// notifier emits changed() when the lists or the note may have changed (a refresh that changed
// nothing reloads nothing). Without a copy, the start waits for the first refresh, at most
// firstWait: then the lists start empty with a note and fill when it lands, and a failed first
// refresh is tried again after retryDelay.

#include "contactclient/store.h"
#include "contactclient/storenotifier.h"

#include <QString>

#include <any>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

class QThread;

namespace contactclient {

class LocalCopy : public Store {
public:
    // What a refresh brought.
    struct Outcome {
        enum Status { Done, Failed, Cancelled };
        Status status = Failed;
        bool authRefused = false; // the server refused the credentials
        QString error;            // Failed: what went wrong
        bool copyChanged = false; // Done: cards written or removed
        std::any detail;          // the back-end's own report of the refresh

        // Filled in by the refresh thread after the work, from the copy on disk.
        bool copyComplete = false;
        QString syncedAt;            // ISO date and time of the copy's last complete refresh
        int skipped = -1;            // entries of the server the copy holds no card for; -1: unknown
        std::shared_ptr<Store> read; // the copy read afresh, when its folder changed or none was open
        QString readFolder;          // the folder read was read from
        bool listsMayDiffer = false; // cards written or removed, or no copy was open
    };
    // Runs on the refresh thread and brings the copy up to date. It may throw: any exception is a
    // failed refresh. cancel is set when the store goes away.
    using Work = std::function<Outcome(const std::atomic<bool>& cancel)>;

    struct Texts {
        QString book;      // "The CardDAV address book": the start of messages
        QString copy;      // "The address book's copy"
        QString server;    // "address book server"
        QString retryName; // "The address book": "… cannot be fetched yet (…); Quintel tries again."
        // The note for entries of the server the copy holds no card for; count > 0.
        std::function<QString(int count)> skipped;
    };

    ~LocalCopy() override;
    LocalCopy(const LocalCopy&) = delete;
    LocalCopy& operator=(const LocalCopy&) = delete;

    // The copy's items; throw errStoreUnavailable before open().
    std::shared_ptr<ItemSet> items() override;
    std::shared_ptr<ContactItem> itemFromId(const QString& entryId) override;
    QString statusNote() const override;
    StoreNotifier* notifier() const override { return m_notifier.get(); }

    // Starts a refresh in the background unless one is running or the back-end cannot.
    virtual void refresh() = 0;
    bool isRefreshing() const;
    // Blocks until the running refresh (if any) ends, then applies it as a landing does,
    // changed() included. For programs without an event loop and tests.
    void waitForRefresh();

    // Waits as waitForRefresh() does, and then until the cards the refresh wrote have been read
    // once more for the folder summary (see setSettleCards). For benchmarks.
    void waitForSettling();

    // How long a start with a copy waits for the refresh (none by default).
    void setStartupWait(std::chrono::milliseconds wait) { m_startupWait = wait; }
    // How long a start without a copy waits (std::chrono::milliseconds::max(): until it lands),
    // and when a failed first refresh is tried again.
    void setFirstWait(std::chrono::milliseconds wait, std::chrono::milliseconds retryDelay)
    {
        m_firstWait = wait;
        m_retryDelay = retryDelay;
    }
    void setFirstWait(std::chrono::milliseconds wait) { m_firstWait = wait; }

    QString cacheFolder() const { return m_folder; }
    // The folder the copy's cards are read from now: the cache folder, or the generation of packed
    // cards inside it that the copy's state names.
    QString copyFolder() const;
    // That folder for a copy's state: its packs sub-folder when it names a plain one, else the
    // folder itself.
    static QString cardFolder(const QString& folder, const QString& packs);

protected:
    // The copy lives in base + "/" + inside; inside is the program's own (made private, no links
    // followed), base is the user's.
    LocalCopy(QString base, QString inside, Texts texts);

    // Whether a refresh that wrote cards reads them once more a few seconds later, for the folder
    // summary: a back-end that writes many cards at once (a whole directory) asks for it.
    void setSettleCards(bool settle) { m_settle = settle; }

    // Called on the UI thread when a refresh lands, before the notes are set: the back-end takes
    // its report and handles its credentials.
    virtual void landed(const Outcome& outcome) = 0;

    // open(), step one: makes the copy's folder private and tells whether a complete copy is
    // there. Throws errStoreUnavailable when the folder cannot be kept.
    bool prepare();
    // open() without a refresh (no credentials): the copy alone, with a note saying why.
    void openOffline(const QString& why);
    // Starts a refresh on the background thread (one that runs is waited for first).
    void runRefresh(Work work);
    // open(), last step after runRefresh(): reads the copy, or waits for the first refresh as
    // described above. Throws errStoreUnavailable when there is no copy and the refresh failed.
    void finishOpen();
    // After the program changed cards of the copy itself: the copy is read again at its next look,
    // and the notifier tells the bar.
    void copyWritten();

private:
    struct Job;
    std::shared_ptr<Store> current() const;
    void apply(bool emitChanged);
    // Reads the copy on this thread.
    void readCopy(int skipped);
    static void stopSettling(Job& job);
    static void settleCards(Job& job, const QString& cards, std::chrono::steady_clock::time_point written);
    // Sets the copy and the folder it reads; m_lock held.
    void setCopy(std::shared_ptr<Store> copy, QString folder);

    QString m_base;
    QString m_inside;
    QString m_folder;
    Texts m_texts;
    std::chrono::milliseconds m_startupWait{0};
    std::chrono::milliseconds m_firstWait{std::chrono::milliseconds::max()};
    std::chrono::milliseconds m_retryDelay{30000};
    bool m_settle = false;
    bool m_haveCopy = false;
    bool m_opening = false; // between prepare() and finishOpen()
    Work m_deferred;        // the refresh of a start from the copy, started once it is read
    QString m_syncedAt;
    bool m_waitingForFirstCopy = false;
    std::shared_ptr<Job> m_job;
    std::unique_ptr<QThread> m_thread;
    // The copy and the notes are read by the thread that loads the lists as well.
    mutable std::mutex m_lock;
    std::shared_ptr<Store> m_copy;
    QString m_copyFolder; // the folder m_copy reads
    QString m_packs;      // the generation the state named when the copy was prepared
    QString m_offlineNote;
    int m_skipped = 0;
    std::unique_ptr<StoreNotifier> m_notifier;
};

} // namespace contactclient
