#pragma once
// A list of strings; the lesson keeps one hidden and uses it as a working list.

#include <vector>

#include "ui/Control.h"

class TStringList {
public:
    explicit TStringList(TControl& owner) : owner_(owner) {}
    void Clear();
    void Add(const UnicodeString& item);
    // Removes item i and closes the gap; an index outside the list is ignored.
    void Delete(int index);
    int Count() const { return static_cast<int>(items_.size()); }
    const UnicodeString& operator[](int index) const { return items_.at(static_cast<std::size_t>(index)); }

private:
    TControl& owner_;
    std::vector<UnicodeString> items_;
};

class TListBox : public TControl {
public:
    explicit TListBox(TComponent* AOwner) : TControl(AOwner), Items(*this) {}

    TStringList Items;

protected:
    void Paint(QPainter& painter) override;
};
