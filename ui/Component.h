#pragma once
// Ownership: a component frees the components it owns. Separate from the
// parent/child relation of controls (see TFmxObject), exactly as in the
// framework the program is written against.

#include <memory>
#include <string>
#include <vector>

#include "ui/Types.h"

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    // Frees the component and, first, everything it owns.
    void Free() { delete this; }

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }

    std::string Name;

    // A token that reads null once this component is being destroyed; what
    // TWeak holds so that nothing can reach a freed component.
    const std::shared_ptr<TComponent*>& LifeToken() const { return lifeToken_; }

    // Frees owned components from the last to the first. Derived destructors
    // call it first, so that owned objects go while their owner is still whole.
    void DestroyComponents();

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::shared_ptr<TComponent*> lifeToken_;
};

// A reference that may outlive its object: it reads null once the object is freed.
template <class T>
class TWeak {
public:
    TWeak() = default;
    TWeak(T* object) : token_(object ? object->LifeToken() : nullptr) {}  // NOLINT: converting on purpose

    T* get() const { return token_ && *token_ ? static_cast<T*>(*token_) : nullptr; }
    T* operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }
    void reset() { token_.reset(); }

private:
    std::shared_ptr<TComponent*> token_;
};
