#include "tools/scene/ComponentClass.h"

#include "ui/Button.h"
#include "ui/FloatAnimation.h"
#include "ui/Form.h"
#include "ui/GlowEffect.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Panel.h"
#include "ui/Rectangle.h"
#include "ui/StyleBook.h"
#include "ui/Timer.h"
#include "ui/TrackBar.h"

namespace {
template <class T>
bool Is(const TComponent& component) {
    return dynamic_cast<const T*>(&component) != nullptr;
}
}  // namespace

const char* ClassNameOf(const TComponent& component) {
    if (Is<TLabel>(component)) return "TLabel";
    if (Is<TButton>(component)) return "TButton";
    if (Is<TTrackBar>(component)) return "TTrackBar";
    if (Is<TListBox>(component)) return "TListBox";
    if (Is<TPanel>(component)) return "TPanel";
    if (Is<TRectangle>(component)) return "TRectangle";
    if (Is<TImage>(component)) return "TImage";
    if (Is<TForm>(component)) return "TForm";
    if (Is<TControl>(component)) return "TControl";
    if (Is<TTimer>(component)) return "TTimer";
    if (Is<TFloatAnimation>(component)) return "TFloatAnimation";
    if (Is<TGlowEffect>(component)) return "TGlowEffect";
    if (Is<TStyleBook>(component)) return "TStyleBook";
    return "TComponent";
}
