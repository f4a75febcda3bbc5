#pragma once
// A picture fitted into the control's box, keeping its proportions.

#include <memory>

#include "ui/Control.h"

class TImage : public TControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    // Loads a picture compiled into the program (":/name.png"); false if absent.
    bool LoadFromResource(const UnicodeString& path);
    int BitmapWidth() const;
    int BitmapHeight() const;

protected:
    void Paint(QPainter& painter) override;
    bool WantsClicks() const override { return false; }

private:
    struct Picture;
    std::unique_ptr<Picture> picture_;
};
