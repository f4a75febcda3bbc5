#pragma once
// The lateness of every job the dispatcher started: how long after its
// scheduled start it was switched on, in seconds.

#include <cstddef>
#include <vector>

class TLatenessSamples {
public:
    void Add(double latenessSeconds) { samples_.push_back(latenessSeconds); }
    void Add(const TLatenessSamples& other) {
        samples_.insert(samples_.end(), other.samples_.begin(), other.samples_.end());
    }

    std::size_t Count() const { return samples_.size(); }
    // Both 0 when there are no samples.
    double Median() const;
    double Worst() const;
    // How many started no later than `seconds` after their time.
    std::size_t WithinSeconds(double seconds) const;

private:
    std::vector<double> samples_;
};
