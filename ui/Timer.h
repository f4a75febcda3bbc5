#pragma once
// A repeating timer on the user-interface thread.

#include "ui/FmxObject.h"

class TTimer : public TFmxObject {
public:
    explicit TTimer(TComponent* AOwner) : TFmxObject(AOwner) {}
    ~TTimer() override;

    // Timers are created switched off; the layouts switch them on explicitly.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Milliseconds; a new value restarts the count.
    int Interval() const { return intervalMs_; }
    void SetInterval(int intervalMs);

    TNotifyEvent OnTimer;

    // Called by the scheduler when the interval has passed.
    void Fire();

private:
    void Rearm();

    bool enabled_ = false;
    int intervalMs_ = 1000;
};
