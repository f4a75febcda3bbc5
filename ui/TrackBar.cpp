#include "ui/TrackBar.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>

namespace {
// The style works in integers; this many steps make the drag look continuous.
constexpr int kStyleSteps = 1000;
// Room for the thumb at both ends of the track.
constexpr float kThumbMargin = 6;
}  // namespace

void TTrackBar::SetRange(float min, float max) {
    min_ = min;
    max_ = std::max(min, max);
    SetValue(value_);
}

void TTrackBar::SetValue(float value) {
    if (std::isnan(value)) return;
    value = std::clamp(value, min_, max_);
    if (value == value_) return;
    value_ = value;
    ContentChanged();
    if (OnChange) OnChange(this);
}

float TTrackBar::ValueAt(float localX) const {
    const float track = std::max(1.0f, Width() - 2 * kThumbMargin);
    const float fraction = std::clamp((localX - kThumbMargin) / track, 0.0f, 1.0f);
    return min_ + fraction * (max_ - min_);
}

void TTrackBar::MouseDown(TPointF local) {
    dragging_ = true;
    SetValue(ValueAt(local.X));
}

void TTrackBar::MouseMove(TPointF local) {
    if (dragging_) SetValue(ValueAt(local.X));
}

void TTrackBar::MouseUp(TPointF local) {
    if (dragging_) SetValue(ValueAt(local.X));
    dragging_ = false;
}

void TTrackBar::Paint(QPainter& painter) {
    QStyleOptionSlider option;
    option.rect = QRect(0, 0, int(Width()), int(Height()));
    option.orientation = Qt::Horizontal;
    option.minimum = 0;
    option.maximum = kStyleSteps;
    const float span = max_ - min_;
    option.sliderPosition = span > 0 ? int(std::lround((value_ - min_) / span * kStyleSteps)) : 0;
    option.sliderValue = option.sliderPosition;
    option.state = QStyle::State_Enabled | QStyle::State_Horizontal;
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    option.palette = QApplication::palette();
    QApplication::style()->drawComplexControl(QStyle::CC_Slider, &option, &painter);
}
