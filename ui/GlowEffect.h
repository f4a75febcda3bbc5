#pragma once
// A soft halo in GlowColor drawn around its parent control while enabled.

#include <cstdint>
#include <memory>

#include "ui/FmxObject.h"

class QPainter;

class TGlowEffect : public TFmxObject {
public:
    explicit TGlowEffect(TComponent* AOwner);
    ~TGlowEffect() override;

    TGlowEffect* AsGlowEffect() override { return this; }

    // An effect is created enabled; switching acts at once.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    TAlphaColor GlowColor = TAlphaColors::Gold;
    float Opacity = 0.9f;
    float Softness = 0.4f;

    // Draws the halo behind the control; the painter stands at its origin.
    void PaintHalo(QPainter& painter, TControl& control);

private:
    struct HaloCache;
    // Renders the halo of a face `width` × `height` into the cache.
    void RenderHalo(TControl& control, int width, int height, float softness);
    bool enabled_ = true;
    std::unique_ptr<HaloCache> cache_;
};
