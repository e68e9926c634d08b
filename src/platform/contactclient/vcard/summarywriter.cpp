#include "summarywriter.h"

namespace contactclient {

SummaryWriter::SummaryWriter(SummaryCache cache) : m_cache(std::move(cache)) {}

SummaryWriter::~SummaryWriter()
{
    wait();
    if (m_thread.joinable())
        m_thread.join();
}

void SummaryWriter::save(std::shared_ptr<const FolderSnapshot> snapshot)
{
    std::lock_guard lock(m_lock);
    m_waiting = std::move(snapshot);
    if (m_running)
        return;
    // The last thread has said it is done and holds nothing more: it ends at once.
    if (m_thread.joinable())
        m_thread.join();
    m_running = true;
    m_thread = std::thread([this] { run(); });
}

void SummaryWriter::wait()
{
    std::unique_lock lock(m_lock);
    m_idle.wait(lock, [this] { return !m_running; });
}

void SummaryWriter::run()
{
    for (;;) {
        std::shared_ptr<const FolderSnapshot> snapshot;
        {
            std::lock_guard lock(m_lock);
            if (!m_waiting) {
                m_running = false;
                m_idle.notify_all();
                return;
            }
            snapshot = std::move(m_waiting);
        }
        // A summary that cannot be written costs the next start its speed, nothing else.
        m_cache.save(*snapshot);
    }
}

} // namespace contactclient
