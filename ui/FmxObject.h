#pragma once
// The display tree: a parent shows its children. Ownership is separate
// (TComponent); a child may be owned by one object and shown by another.

#include <vector>

#include "ui/Component.h"

class TControl;
class TFloatAnimation;
class TGlowEffect;

class TFmxObject : public TComponent {
public:
    explicit TFmxObject(TComponent* AOwner) : TComponent(AOwner) {}
    ~TFmxObject() override;

    TFmxObject* Parent() const { return parent_; }
    void SetParent(TFmxObject* AParent);

    const std::vector<TFmxObject*>& Children() const { return children_; }

    // Cheap type tests for the paint and dispatch walks.
    virtual TControl* AsControl() { return nullptr; }
    virtual TFloatAnimation* AsAnimation() { return nullptr; }
    virtual TGlowEffect* AsGlowEffect() { return nullptr; }

    // Something visible changed: the window that shows this object repaints.
    virtual void Repaint();

private:
    TFmxObject* parent_ = nullptr;
    std::vector<TFmxObject*> children_;
};
