#include "ui/Clock.h"

#include <QDateTime>
#include <chrono>

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
