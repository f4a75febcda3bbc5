#include "app/About.h"

#include "app/Version.h"

namespace {

constexpr char kDescription[] =
    "Tarnwick shows a class that three whole numbers, multiplied two at a time in any of their\n"
    "six orders, give the same product. It opens one 1024 x 768 lesson window with Traditional\n"
    "Chinese captions, which the teacher steps through with its buttons or a presenter's clicker.\n"
    "Free software under the MIT licence.";

constexpr char kKeys[] =
    "Keys in the lesson window:\n"
    "  PageDown, Right, Space, Enter  press the furthest step button in view\n"
    "  PageUp, Left                   press \"出題\" (a new problem) when it is in view\n"
    "  F11                            full screen, and back\n"
    "  . or B                         blank the view for a moment, and bring it back\n"
    "  F1                             about Tarnwick: version, licence, credits; any key or click\n"
    "                                 closes it";

UnicodeString FromAscii(const char* text) {
    return UnicodeString(text, text + std::char_traits<char>::length(text));
}

}  // namespace

TProgramInfo LessonProgramInfo() {
    return {"tarnwick", TarnwickVersion, kDescription, kKeys};
}

UnicodeString LessonAboutText() {
    return UnicodeString(u"Tarnwick\u3000聯乘示範教材\n")
        .append(u"版本 ")
        .append(FromAscii(TarnwickVersion))
        .append(u"\n本程式依 MIT 授權條款發布，© 2026 Tarnwick 開發者。\n")
        .append(u"內嵌字型：\n")
        .append(u"「Tarnwick Kai」取自 AR PL UKai TW，© 1999 文鼎科技，依 Arphic Public License 授權。\n")
        .append(
            u"「Tarnwick Hand」取自 Comic Neue，© 2014 The Comic Neue Project Authors，"
            u"依 SIL Open Font License 1.1 授權。\n")
        .append(u"按任一鍵或按一下滑鼠，回到課堂。");
}
