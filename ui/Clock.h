#pragma once
// The two readings of time that the program uses, behind one interface so that
// tests and the scene tool can run the very same code on a virtual clock.

#include <cstdint>

#include "ui/Types.h"

class TClock {
public:
    virtual ~TClock() = default;
    // Monotonic time in microseconds; drives timers and animations.
    virtual std::int64_t MonotonicUs() = 0;
    // Local wall-clock date-time with millisecond resolution; what Now() returns.
    virtual TDateTime WallNow() = 0;
};

// The machine's clocks. The only place in the program that reads them.
class TRealClock final : public TClock {
public:
    std::int64_t MonotonicUs() override;
    TDateTime WallNow() override;
};

// A clock that moves only when told to. Its wall reading follows the monotonic
// one from a fixed date, plus any jumps (a user changing the computer's clock).
class TVirtualClock final : public TClock {
public:
    // 2026-01-05 09:00:00, a Monday morning lesson.
    static constexpr TDateTime kDefaultWallOrigin = 46027.375;

    explicit TVirtualClock(TDateTime wallOrigin = kDefaultWallOrigin) : wallOriginDays_(wallOrigin) {}

    std::int64_t MonotonicUs() override { return nowUs_; }
    TDateTime WallNow() override;

    // Moves the monotonic reading (and the wall reading with it). Only the
    // scheduler calls this, so that due events run in order as time passes.
    void SetMonotonicUs(std::int64_t us) { nowUs_ = us; }
    // Shifts the wall reading only, forward or back.
    void JumpWallMs(std::int64_t deltaMs) { wallJumpMs_ += deltaMs; }

private:
    TDateTime wallOriginDays_;
    std::int64_t nowUs_ = 0;
    std::int64_t wallJumpMs_ = 0;
};

// The clock of the running application (see TScheduler).
TClock& CurrentClock();
