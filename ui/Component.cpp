#include "ui/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : lifeToken_(std::make_shared<TComponent*>(this)) {
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    *lifeToken_ = nullptr;
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    *lifeToken_ = nullptr;
    // Each owned component removes itself from our list as it goes.
    while (!components_.empty()) delete components_.back();
}

void TComponent::InsertComponent(TComponent* component) {
    component->owner_ = this;
    components_.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component) {
    // Usually the last one: clearing a panel frees from the end.
    auto it = std::find(components_.rbegin(), components_.rend(), component);
    if (it != components_.rend()) components_.erase(std::next(it).base());
    component->owner_ = nullptr;
}
