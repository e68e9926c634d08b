#pragma once
// Writes folder summaries and their memos on a thread of its own, so that neither a start nor a
// refresh waits for the disk. Only the latest snapshot counts: one handed over while another is
// being written replaces any that was waiting; so does a memo. A summary waiting is written before
// a memo, which is tied to it.

#include "contactclient/automation.h"
#include "contactclient/vcard/summarycache.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace contactclient {

class SummaryWriter {
public:
    explicit SummaryWriter(SummaryCache cache);
    // Waits until the summaries handed over are written.
    ~SummaryWriter();
    SummaryWriter(const SummaryWriter&) = delete;
    SummaryWriter& operator=(const SummaryWriter&) = delete;

    const SummaryCache& cache() const { return m_cache; }
    void save(std::shared_ptr<const FolderSnapshot> snapshot);
    void saveMemo(std::shared_ptr<const FolderSnapshot> snapshot, QByteArray bytes);
    // Returns when nothing is left to write.
    void wait();

private:
    void run();
    void start();

    const SummaryCache m_cache;
    std::mutex m_lock;
    std::condition_variable m_idle;
    std::shared_ptr<const FolderSnapshot> m_waiting;
    std::shared_ptr<const FolderSnapshot> m_memoOf;
    QByteArray m_memo;
    bool m_running = false;
    std::thread m_thread;
};

// The memo of a snapshot's items, kept beside the folder's summary: read from the writer's cache,
// saved through the writer's thread; nothing once the writer is gone.
class SummaryMemo : public ItemsMemo {
public:
    SummaryMemo(std::shared_ptr<const FolderSnapshot> snapshot, std::weak_ptr<SummaryWriter> writer);
    QByteArray load() const override;
    void save(QByteArray bytes) const override;

private:
    std::shared_ptr<const FolderSnapshot> m_snapshot;
    std::weak_ptr<SummaryWriter> m_writer;
};

} // namespace contactclient
