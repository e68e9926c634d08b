#pragma once
// A background runner the test drives: work handed to it waits until the test runs it, so a test
// can look at the bar while something is "still running".

#include <QList>

#include <functional>

namespace fake {

class ManualBackground {
public:
    struct Job {
        std::function<void()> work;
        std::function<void()> done;
    };

    std::function<void(std::function<void()>, std::function<void()>)> runner()
    {
        return [this](std::function<void()> work, std::function<void()> done) {
            m_jobs.append({std::move(work), std::move(done)});
        };
    }
    qsizetype pending() const { return m_jobs.size(); }
    // Runs the oldest job's work and then its done step; false when nothing waits.
    bool runNext()
    {
        if (m_jobs.isEmpty())
            return false;
        Job job = m_jobs.takeFirst();
        job.work();
        job.done();
        return true;
    }

private:
    QList<Job> m_jobs;
};

} // namespace fake
