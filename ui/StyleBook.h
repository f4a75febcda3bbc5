#pragma once
// Holds the named looks that controls of its window may take: a control whose
// StyleLookup names one of them looks as the book says.

#include <map>
#include <string>
#include <string_view>

#include "ui/Component.h"
#include "ui/Types.h"

// A panel's look: its face, and the one-pixel border around it.
struct TPanelLook {
    TAlphaColor face;
    TAlphaColor border;
};

class TStyleBook : public TComponent {
public:
    explicit TStyleBook(TComponent* AOwner) : TComponent(AOwner) {}
    // Which platform's looks the book holds, as the layout names it.
    std::string Platform;

    void AddStyle(std::string name, TPanelLook look) { styles_[std::move(name)] = look; }
    // The look the book holds under `name`; null when it holds none.
    const TPanelLook* FindStyle(std::string_view name) const {
        const auto found = styles_.find(name);
        return found == styles_.end() ? nullptr : &found->second;
    }

private:
    std::map<std::string, TPanelLook, std::less<>> styles_;
};
