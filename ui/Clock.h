#pragma once
// The two readings of time that the program uses, behind one interface so that
// tests and the scene tool can run the very same code on a virtual clock.

#include <cstdint>

#include "ui/Types.h"

class TScheduler;

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

// The machine's clocks, for an application that is given no other.
TClock& SystemClock();

// A clock that moves only when told to. Its wall reading follows the monotonic
// one from a fixed date, plus any jumps (a user changing the computer's clock).
class TVirtualClock final : public TClock {
public:
    // 2026-01-05 09:00:00, a Monday morning lesson.
    static constexpr TDateTime kDefaultWallOrigin = 46027.375;

    explicit TVirtualClock(TDateTime wallOrigin = kDefaultWallOrigin) : wallOriginDays_(wallOrigin) {}

    std::int64_t MonotonicUs() override { return nowUs_; }
    TDateTime WallNow() override;

    // Moves time forward by `us`, running on the way every event of
    // `scheduler` (the one made with this clock) when it falls due, in
    // deadline order, as the real loop would. A step back, or past a quarter
    // of the clock's range (so that every deadline armed on the way stays
    // representable), is not taken: it returns false.
    bool AdvanceBy(TScheduler& scheduler, std::int64_t us);
    // Shifts the wall reading only, forward or back.
    void JumpWallMs(std::int64_t deltaMs) { wallJumpMs_ += deltaMs; }

private:
    TDateTime wallOriginDays_;
    std::int64_t nowUs_ = 0;
    std::int64_t wallJumpMs_ = 0;
};

// The clock of the running application, which the runtime's Now, Randomize
// and TStopwatch read: the application is the framework's one global object,
// and the clock is its own. The system's clocks before it exists.
TClock& CurrentClock();
