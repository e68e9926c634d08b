#pragma once
// Writes folder summaries on a thread of its own, so that neither a start nor a refresh waits for
// the disk. Only the latest snapshot counts: one handed over while another is being written
// replaces any that was waiting.

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
    // Returns when nothing is left to write.
    void wait();

private:
    void run();

    const SummaryCache m_cache;
    std::mutex m_lock;
    std::condition_variable m_idle;
    std::shared_ptr<const FolderSnapshot> m_waiting;
    bool m_running = false;
    std::thread m_thread;
};

} // namespace contactclient
