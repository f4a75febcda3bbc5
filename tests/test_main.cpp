// Every test runs with a real QApplication on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

#include "ui/Fonts.h"
#include "ui/Runtime.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterLessonFonts();
    FormatSettings.DecimalSeparator = u'.';
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
