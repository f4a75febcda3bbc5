#pragma once
// Holds the named looks that controls of its window may take.

#include <string>

#include "ui/Component.h"

class TStyleBook : public TComponent {
public:
    explicit TStyleBook(TComponent* AOwner) : TComponent(AOwner) {}
    // Which platform's looks the book holds, as the layout names it.
    std::string Platform;
};
