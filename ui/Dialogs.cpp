#include "ui/Dialogs.h"

#include <QGuiApplication>
#include <QMessageBox>

#include "ui/Color_qt.h"
#include "ui/Text_qt.h"

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
#ifdef Q_OS_WASM
    // A page cannot wait inside a handler for the user (no nested event loop there): the box is shown modal
    // and the call returns at once; the box frees itself when it is closed.
    auto* box = new QMessageBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                                ToQString(text), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
#else
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), ToQString(text),
                    QMessageBox::Ok);
    box.exec();
#endif
}
