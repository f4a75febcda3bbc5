#include "ui/FmxObject.h"

#include <algorithm>

TFmxObject::~TFmxObject() {
    DestroyComponents();
    // Children that someone else owns go with the parent that shows them.
    while (!children_.empty()) delete children_.back();
    SetParent(nullptr);
}

void TFmxObject::SetParent(TFmxObject* AParent) {
    if (AParent == parent_) return;
    if (parent_) {
        Repaint();
        auto& siblings = parent_->children_;
        siblings.erase(std::find(siblings.begin(), siblings.end(), this));
    }
    parent_ = AParent;
    if (parent_) {
        parent_->children_.push_back(this);
        Repaint();
    }
}

void TFmxObject::Repaint() {
    if (parent_) parent_->Repaint();
}
