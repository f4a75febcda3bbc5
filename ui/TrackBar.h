#pragma once
// A horizontal slider with a float value; OnChange on every change, also
// at every step of a drag.

#include "ui/Control.h"

class TTrackBar : public TControl {
public:
    explicit TTrackBar(TComponent* AOwner) : TControl(AOwner) {}

    float Min() const { return min_; }
    float Max() const { return max_; }
    void SetRange(float min, float max);
    float Value() const { return value_; }
    // Clamped to [Min, Max]; NaN is ignored.
    void SetValue(float value);

    TNotifyEvent OnChange;

    void MouseDown(TPointF local) override;
    void MouseMove(TPointF local) override;
    void MouseUp(TPointF local) override;
    void MouseCancel() override { dragging_ = false; }

    // The value under a point of the track, as a drag would set it.
    float ValueAt(float localX) const;

protected:
    void Paint(QPainter& painter) override;

private:
    float min_ = 0, max_ = 10, value_ = 0;
    bool dragging_ = false;
};
