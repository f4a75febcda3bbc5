#include "ui/Clock.h"

#include <QDateTime>
#include <algorithm>
#include <cassert>
#include <chrono>
#include <limits>

#include "ui/Scheduler.h"

namespace {
constexpr double kMsPerDay = 86400.0 * 1000.0;
// QDateTime counts from 1970-01-01; TDateTime from 1899-12-30.
constexpr double kUnixEpochDays = 25569.0;
}  // namespace

std::int64_t TRealClock::MonotonicUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

TDateTime TRealClock::WallNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 localMs = now.toMSecsSinceEpoch() + qint64(now.offsetFromUtc()) * 1000;
    return kUnixEpochDays + double(localMs) / kMsPerDay;
}

TDateTime TVirtualClock::WallNow() {
    const std::int64_t ms = nowUs_ / 1000 + wallJumpMs_;
    return wallOriginDays_ + double(ms) / kMsPerDay;
}

TClock& SystemClock() {
    static TRealClock clock;
    return clock;
}

bool TVirtualClock::AdvanceBy(TScheduler& scheduler, std::int64_t us) {
    assert(&scheduler.Clock() == this && "a scheduler runs on the clock it was made with");
    constexpr std::int64_t kFarthestUs = std::numeric_limits<std::int64_t>::max() / 4;
    if (us < 0 || us > kFarthestUs - nowUs_) return false;
    const std::int64_t target = nowUs_ + us;
    for (auto next = scheduler.NextDeadlineUs(); next && *next <= target; next = scheduler.NextDeadlineUs()) {
        nowUs_ = std::max(nowUs_, *next);
        scheduler.RunDueAt(nowUs_);
    }
    nowUs_ = target;
    return true;
}

TClock& CurrentClock() {
    TScheduler* scheduler = ApplicationScheduler();
    return scheduler ? scheduler->Clock() : SystemClock();
}
