#include "tools/scene/LessonSession.h"

#include <QApplication>
#include <QtGlobal>

#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Scheduler.h"

TLessonSession::TLessonSession() {
    Scheduler().SetClock(&clock_);
    SetShowMessageHandler([this](const UnicodeString& text) { messages_.push_back(text); });
    // The engine's load-time values, as at program start.
    BoxSize = 96;
    Animation_JobCounter = 0;
    Animation_Job.clear();
    vvTimeScale = 0.75;
    application_ = std::make_unique<TApplication>(argc_, argv_);
    application_->Initialize();
    application_->CreateForm(fMultipleDemo);
    application_->CreateForm(fAnimation);
    application_->CreateRegisteredForms();
}

TLessonSession::~TLessonSession() {
    application_.reset();
    fMultipleDemo = nullptr;
    fAnimation = nullptr;
    SetShowMessageHandler(nullptr);
    Scheduler().SetClock(nullptr);
}

TfMultipleDemo& TLessonSession::Lesson() {
    return *fMultipleDemo;
}
TfAnimation& TLessonSession::Engine() {
    return *fAnimation;
}

void TLessonSession::Wait(double seconds) {
    if (seconds > 0) WaitMs(std::int64_t(seconds * 1000 + 0.5));
}

void TLessonSession::WaitMs(std::int64_t ms) {
    if (ms > 0) Scheduler().AdvanceBy(ms * 1000);
}

double TLessonSession::Seconds() {
    return double(clock_.MonotonicUs()) / 1e6;
}

void EnsureHeadlessPlatform(int& argc, char** argv) {
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives until the process ends: tearing Qt down in the exit handlers,
    // after its thread storage is gone, would crash on the way out.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}
