#include <cmath>

#include "ui/SchedulerDriver_qt.h"

TSchedulerDriver::TSchedulerDriver(TScheduler& scheduler) : scheduler_(scheduler) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { scheduler_.RunDue(); });
    scheduler_.SetWakeHook([this] { Rearm(); });
    Rearm();
}

TSchedulerDriver::~TSchedulerDriver() {
    scheduler_.SetWakeHook(nullptr);
}

void TSchedulerDriver::Rearm() {
    const auto next = scheduler_.NextDeadlineUs();
    if (!next) {
        timer_.stop();
        return;
    }
    // Rounded up: waking a little early would only find nothing due yet.
    const double waitMs = std::ceil(double(*next - scheduler_.NowUs()) / 1000.0);
    timer_.start(int(std::max(0.0, waitMs)));
}
