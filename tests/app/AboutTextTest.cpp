// F1 shows what the program says about itself over the board: its name, version, licence and the fonts'
// credits, in Traditional Chinese. The lesson goes on underneath, and the key or click that takes the
// text away does nothing else.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QRawFont>

#include "app/About.h"
#include "app/Version.h"
#include "tests/support/LessonFixture.h"
#include "ui/FormHost_qt.h"
#include "ui/Render_qt.h"

namespace {

struct KeyCase {
    const char* name;
    int key;
};

// Each would do something of its own without the about text; 0 is a key without a code (Escape, Q …).
const KeyCase kKeys[] = {{"PageDown", vk::Next}, {"Space", vk::Space}, {"Left", vk::Left}, {"F11", vk::F11},
                         {"B", vk::B},           {".", vk::Period},    {"F1", vk::F1},     {"Escape", 0}};

// The middle of "排列方法" (680, 700, 161 x 49) on the board.
constexpr QPointF kArrangementsButton(760.5, 724.5);

void ClickAt(QWidget& window, QPointF at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, window.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, window.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &release);
}

}  // namespace

class AboutTextTest : public LessonTest {
protected:
    // A problem drawn, and "排列方法" back in view.
    void StartLesson() {
        RandSeed(3);
        lesson().Activate();
        Wait(1.1);
        ASSERT_TRUE(lesson().btnStep3->Visible());
    }
    int VisibleOnPanel() {
        int visible = 0;
        for (TFmxObject* child : lesson().paneCAL->Children())
            if (TControl* control = child->AsControl(); control && control->Visible()) ++visible;
        return visible;
    }
};

TEST_F(AboutTextTest, NamesTheProgramItsVersionLicenceAndTheFontsCredits) {
    const std::string text = Utf8(lesson().AboutText);
    EXPECT_EQ(lesson().AboutText, LessonAboutText());
    for (const std::string& part :
         {std::string("Tarnwick"), std::string("版本 ") + TarnwickVersion, std::string("MIT 授權條款"),
          std::string("AR PL UKai TW"), std::string("Arphic Public License"), std::string("Comic Neue"),
          std::string("SIL Open Font License 1.1")})
        EXPECT_NE(text.find(part), std::string::npos) << "missing: " << part;
}

TEST_F(AboutTextTest, TheEmbeddedKaiSubsetAloneCanDrawIt) {
    QFile file(":/fonts/TarnwickKai.ttf");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QRawFont kai(file.readAll(), 22);
    QString uncovered;
    for (char32_t ch : ToQString(LessonAboutText()).toUcs4())
        if (ch != '\n' && !kai.supportsCharacter(ch)) uncovered += QString::fromUcs4(&ch, 1);
    EXPECT_TRUE(uncovered.isEmpty()) << "add to tools/make_font_subsets.sh and run it: "
                                     << uncovered.toStdString();
}

TEST_F(AboutTextTest, F1ShowsItOverTheBoardWhileTheLessonGoesOn) {
    StartLesson();
    lesson().btnStep3->Click();
    Wait(2);
    const int enteredBefore = VisibleOnPanel();

    lesson().KeyDown(vk::F1);
    ASSERT_TRUE(lesson().AboutShown());
    const QImage picture = RenderForm(lesson());
    EXPECT_EQ(picture.pixel(140, 384), 0xFFFFFFFFu) << "the card's white, left of its text";
    const QRgb dimmed = picture.pixel(300, 640);  // the white background below the panel
    EXPECT_LT(qRed(dimmed), 200);
    EXPECT_EQ(qRed(dimmed), qBlue(dimmed)) << "dimmed evenly, not tinted";

    Wait(13);
    EXPECT_TRUE(lesson().AboutShown());
    EXPECT_GT(VisibleOnPanel(), enteredBefore) << "the walkthrough played on underneath";
    EXPECT_TRUE(lesson().btnStep4->Visible()) << "the step timer ran underneath";
}

TEST_F(AboutTextTest, TheKeyThatTakesItAwayDoesNothingElse) {
    for (const KeyCase& c : kKeys) {
        SCOPED_TRACE(c.name);
        StartLesson();
        lesson().KeyDown(vk::F1);
        lesson().KeyDown(c.key);
        EXPECT_FALSE(lesson().AboutShown());
        EXPECT_TRUE(lesson().btnStep3->Visible()) << "no step button pressed";
        EXPECT_EQ(Animation_JobCounter, 0);
        EXPECT_FALSE(lesson().FullScreen());
        EXPECT_FALSE(lesson().Blanked());
    }
    lesson().KeyDown(vk::Next);
    EXPECT_FALSE(lesson().btnStep3->Visible()) << "without the about text, the same key presses the button";
}

TEST_F(AboutTextTest, TheClickThatTakesItAwayPressesNothingUnderneath) {
    StartLesson();
    TFormHostWidget window(lesson());
    const QRectF board = window.BoardRect();
    const QPointF onButton = board.topLeft() + kArrangementsButton * (board.width() / lesson().ClientWidth());

    lesson().KeyDown(vk::F1);
    ClickAt(window, onButton);
    EXPECT_FALSE(lesson().AboutShown());
    EXPECT_TRUE(lesson().btnStep3->Visible()) << "the button under the click was not pressed";
    EXPECT_EQ(Animation_JobCounter, 0);

    ClickAt(window, onButton);
    EXPECT_FALSE(lesson().btnStep3->Visible()) << "without the about text, the same click presses the button";
}
