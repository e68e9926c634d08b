#pragma once
// Timing several works against each other on a shared machine: each runs in turn, round after
// round, so that all of them see the same load; the medians of wall and CPU time.

#include <QElapsedTimer>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace bench {

struct Timing {
    double wallMs = 0;
    double cpuMs = 0;
};

// The CPU time of every thread of this process so far.
inline double processCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

inline std::vector<Timing> alternating(int runs, const std::vector<std::function<void()>>& works)
{
    std::vector<std::vector<double>> wall(works.size()), cpu(works.size());
    for (int i = 0; i < runs; ++i) {
        for (std::size_t w = 0; w < works.size(); ++w) {
            QElapsedTimer t;
            const double c = processCpuMs();
            t.start();
            works[w]();
            wall[w].push_back(double(t.nsecsElapsed()) / 1e6);
            cpu[w].push_back(processCpuMs() - c);
        }
    }
    std::vector<Timing> medians;
    for (std::size_t w = 0; w < works.size(); ++w) {
        std::sort(wall[w].begin(), wall[w].end());
        std::sort(cpu[w].begin(), cpu[w].end());
        medians.push_back({wall[w][wall[w].size() / 2], cpu[w][cpu[w].size() / 2]});
    }
    return medians;
}

} // namespace bench
