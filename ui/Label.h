#pragma once
// A text in one font, size and colour, aligned inside the label's box.

#include <cstdint>
#include <memory>

#include "ui/Control.h"

// Which text aspects come from the style rather than the control itself.
enum class TStyledSetting : std::uint8_t { Family = 1, Size = 2, Style = 4, FontColor = 8, Other = 16 };
using TStyledSettings = std::uint8_t;
constexpr TStyledSettings AllStyledSettings = 31;
constexpr TStyledSettings StyledSet(TStyledSetting s) {
    return static_cast<TStyledSettings>(s);
}

// Where content of a given extent starts inside a box of another, by alignment.
double AlignedOffset(TTextAlign align, double box, double content);

struct TFont {
    UnicodeString Family;
    float Size = 12;
};

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* AOwner);
    ~TLabel() override;

    const UnicodeString& Text() const { return text_; }
    void SetText(const UnicodeString& text);

    // With every aspect styled, the style's family, size and colour apply.
    TStyledSettings StyledSettings() const { return styled_; }
    void SetStyledSettings(TStyledSettings settings);

    const TFont& Font() const { return font_; }
    void SetFontFamily(const UnicodeString& family);
    void SetFontSize(float size);
    // FontColor and TextSettings.FontColor are one colour.
    TAlphaColor FontColor() const { return fontColor_; }
    void SetFontColor(TAlphaColor color);

    TTextAlign HorzAlign() const { return horzAlign_; }
    TTextAlign VertAlign() const { return vertAlign_; }
    void SetHorzAlign(TTextAlign align);
    void SetVertAlign(TTextAlign align);

    // What is actually drawn, after the style has had its say.
    UnicodeString EffectiveFamily() const;
    float EffectiveFontSize() const;
    TAlphaColor EffectiveFontColor() const;

    TFloatPropertyAccess FindFloatProperty(std::string_view path) override;

protected:
    void Paint(QPainter& painter) override;
    bool PaintChangesOnlyFontAndPen() const override { return true; }
    bool WantsClicks() const override { return false; }

private:
    struct TextLayoutCache;
    void TextChanged();

    UnicodeString text_;
    TStyledSettings styled_ = AllStyledSettings;
    TFont font_;
    TAlphaColor fontColor_ = TAlphaColors::Black;
    TTextAlign horzAlign_ = TTextAlign::Leading;
    TTextAlign vertAlign_ = TTextAlign::Center;
    std::unique_ptr<TextLayoutCache> layout_;
};
