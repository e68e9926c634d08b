#include "summarywriter.h"

#include <utility>

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
    start();
}

void SummaryWriter::saveMemo(std::shared_ptr<const FolderSnapshot> snapshot, QByteArray bytes)
{
    std::lock_guard lock(m_lock);
    m_memoOf = std::move(snapshot);
    m_memo = std::move(bytes);
    start();
}

void SummaryWriter::start()
{
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
        std::shared_ptr<const FolderSnapshot> memoOf;
        QByteArray memo;
        {
            std::lock_guard lock(m_lock);
            if (m_waiting) {
                snapshot = std::move(m_waiting);
            } else if (m_memoOf) {
                memoOf = std::move(m_memoOf);
                memo = std::exchange(m_memo, QByteArray());
            } else {
                m_running = false;
                m_idle.notify_all();
                return;
            }
        }
        // A summary or memo that cannot be written costs the next start its speed, nothing else.
        if (snapshot)
            m_cache.save(*snapshot);
        else
            m_cache.saveMemo(*memoOf, memo);
    }
}

SummaryMemo::SummaryMemo(std::shared_ptr<const FolderSnapshot> snapshot, std::weak_ptr<SummaryWriter> writer)
    : m_snapshot(std::move(snapshot)), m_writer(std::move(writer))
{
}

QByteArray SummaryMemo::load() const
{
    const std::shared_ptr<SummaryWriter> writer = m_writer.lock();
    return writer ? writer->cache().loadMemo(*m_snapshot) : QByteArray();
}

void SummaryMemo::save(QByteArray bytes) const
{
    if (const std::shared_ptr<SummaryWriter> writer = m_writer.lock())
        writer->saveMemo(m_snapshot, std::move(bytes));
}

} // namespace contactclient
