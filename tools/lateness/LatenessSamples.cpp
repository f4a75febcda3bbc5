#include "tools/lateness/LatenessSamples.h"

#include <algorithm>

double TLatenessSamples::Median() const {
    if (samples_.empty()) return 0;
    std::vector<double> sorted = samples_;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double TLatenessSamples::Worst() const {
    return samples_.empty() ? 0 : *std::max_element(samples_.begin(), samples_.end());
}

std::size_t TLatenessSamples::WithinSeconds(double seconds) const {
    return std::size_t(
        std::count_if(samples_.begin(), samples_.end(), [&](double s) { return s <= seconds; }));
}
