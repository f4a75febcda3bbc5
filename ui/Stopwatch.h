#pragma once
// Elapsed time on the monotonic clock, in whole milliseconds: a change of the
// computer's wall clock (by hand, a time zone, daylight saving, a network
// correction) never moves it.

#include <cstdint>

class TStopwatch {
public:
    // A stopwatch started now.
    static TStopwatch StartNew();

    // Whole milliseconds since it was started, at the clock's resolution.
    std::int64_t ElapsedMilliseconds() const;

private:
    std::int64_t startMs_ = 0;
};
