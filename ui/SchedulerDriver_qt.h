#pragma once
// Runs the scheduler from Qt's event loop: one precise single-shot timer armed
// for the next deadline, and none at all while nothing waits.

#include <QTimer>

#include "ui/Scheduler.h"

class TSchedulerDriver {
public:
    explicit TSchedulerDriver(TScheduler& scheduler);
    ~TSchedulerDriver();

private:
    void Rearm();

    TScheduler& scheduler_;
    QTimer timer_;
};
