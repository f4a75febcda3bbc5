#pragma once
// Animates one float property of its parent control, found by a dotted path
// ("Opacity", "Font.Size", "Position.X", ...), linearly from StartValue to
// StopValue over Duration seconds of the scheduler's clock.

#include <cstdint>
#include <string>

#include "ui/FmxObject.h"

class TControl;

// How an animation reaches the property it drives.
struct TFloatPropertyAccess {
    float (*Get)(TControl&) = nullptr;
    void (*Set)(TControl&, float) = nullptr;
    explicit operator bool() const { return Get && Set; }
};

class TFloatAnimation : public TFmxObject {
public:
    explicit TFloatAnimation(TComponent* AOwner) : TFmxObject(AOwner) {}
    ~TFloatAnimation() override;

    TFloatAnimation* AsAnimation() override { return this; }

    std::string PropertyName;
    bool StartFromCurrent = false;
    float StartValue = 0;
    float StopValue = 0;
    float Duration = 0.2f;  // seconds

    bool Enabled() const { return enabled_; }
    // Acts only on a change: false to true starts, true to false stops.
    void SetEnabled(bool enabled);
    bool Running() const { return running_; }

    // Called by the scheduler's animation clock; false once the animation is over.
    bool Advance(std::int64_t nowUs);

private:
    void Start();
    void Stop();
    TControl* Target();

    bool enabled_ = false;
    bool running_ = false;
    std::int64_t startedUs_ = 0;
    TFloatPropertyAccess property_;
};
