#include "ui/Stopwatch.h"

#include "ui/Clock.h"

namespace {
// Whole milliseconds of the monotonic reading, as a millisecond clock would show them.
std::int64_t MonotonicMs() {
    return CurrentClock().MonotonicUs() / 1000;
}
}  // namespace

TStopwatch TStopwatch::StartNew() {
    TStopwatch stopwatch;
    stopwatch.startMs_ = MonotonicMs();
    return stopwatch;
}

std::int64_t TStopwatch::ElapsedMilliseconds() const {
    return MonotonicMs() - startMs_;
}
