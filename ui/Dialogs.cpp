#include "ui/Dialogs.h"

#include <QGuiApplication>
#include <QMessageBox>

#include "ui/Color_qt.h"

namespace {
std::function<void(const UnicodeString&)>& Handler() {
    static std::function<void(const UnicodeString&)> handler;
    return handler;
}
}  // namespace

void SetShowMessageHandler(std::function<void(const UnicodeString&)> handler) {
    Handler() = std::move(handler);
}

void ShowMessage(const UnicodeString& text) {
    if (Handler()) {
        Handler()(text);
        return;
    }
    // Without a screen nobody could press OK; a box would wait for ever.
    if (!QGuiApplication::instance() || QGuiApplication::platformName() == QLatin1String("offscreen")) return;
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), ToQString(text),
                    QMessageBox::Ok);
    box.exec();
}
