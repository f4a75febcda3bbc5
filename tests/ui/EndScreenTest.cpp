// The end screen that stands in the lesson's place in a web page asks for a
// new start on a click or a presenter's forward key, once, and on nothing else.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/EndScreen_qt.h"

namespace {

struct InputCase {
    const char* name;
    QEvent::Type type;
    int key;  // for key presses
    bool startsAgain;
};

const InputCase kInputs[] = {
    {"a click", QEvent::MouseButtonPress, 0, true},
    {"Page Down", QEvent::KeyPress, Qt::Key_PageDown, true},
    {"Space", QEvent::KeyPress, Qt::Key_Space, true},
    {"Enter", QEvent::KeyPress, Qt::Key_Return, true},
    {"Right", QEvent::KeyPress, Qt::Key_Right, true},
    {"F11, the browser's full screen", QEvent::KeyPress, Qt::Key_F11, false},
    {"the blank key", QEvent::KeyPress, Qt::Key_Period, false},
    {"Page Up", QEvent::KeyPress, Qt::Key_PageUp, false},
};

void Send(QWidget& widget, const InputCase& input) {
    if (input.type == QEvent::MouseButtonPress) {
        QMouseEvent press(input.type, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &press);
    } else {
        QKeyEvent press(input.type, input.key, Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &press);
    }
}

}  // namespace

TEST(EndScreenTest, AClickOrAForwardKeyAsksOnceForANewStart) {
    for (const InputCase& input : kInputs) {
        SCOPED_TRACE(input.name);
        int asked = 0;
        TEndScreenWidget screen([&] { ++asked; });
        Send(screen, input);
        Send(screen, input);
        EXPECT_EQ(asked, input.startsAgain ? 1 : 0);
    }
}
