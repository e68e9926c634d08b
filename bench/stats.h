#pragma once
// Order statistics over a run of timings.

#include <algorithm>
#include <cmath>
#include <vector>

namespace bench {

// The value below which the given fraction of the samples lie (nearest rank); 0 for no samples.
inline double percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

inline double median(const std::vector<double>& samples)
{
    return percentile(samples, 0.5);
}

inline double maximum(const std::vector<double>& samples)
{
    return samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end());
}

} // namespace bench
