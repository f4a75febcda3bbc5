#include "tools/scene/LessonSession.h"

#include <QApplication>
#include <QtGlobal>
#include <limits>

#include "animation/uf_AnimationEffect.h"
#include "app/LessonTimetable.h"
#include "app/MultipleDemo.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Scheduler.h"

TLessonSession::TLessonSession() {
    SetShowMessageHandler([this](const UnicodeString& text) { messages_.push_back(text); });
    // The engine's load-time values, as at program start.
    BoxSize = kBoxSizeAtLoad;
    Animation_JobCounter = 0;
    Animation_Job.clear();
    vvTimeScale = lesson::kTimeScaleAtTheStartingSpeed;
    application_ = std::make_unique<TApplication>(argc_, argv_, clock_);
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
}

TfMultipleDemo& TLessonSession::Lesson() {
    return *fMultipleDemo;
}
TScheduler& TLessonSession::Scheduler() {
    return application_->Scheduler();
}
TfAnimation& TLessonSession::Engine() {
    return *fAnimation;
}

void TLessonSession::Wait(double seconds) {
    // Within a century the conversion to milliseconds stays exact and defined.
    constexpr double kLongestSeconds = 100.0 * 365 * 86'400;
    if (seconds > 0 && seconds <= kLongestSeconds) WaitMs(std::int64_t(seconds * 1000 + 0.5));
}

void TLessonSession::WaitMs(std::int64_t ms) {
    constexpr std::int64_t kLongestMs = std::numeric_limits<std::int64_t>::max() / 1000;
    if (ms > 0 && ms <= kLongestMs) clock_.AdvanceBy(application_->Scheduler(), ms * 1000);
}

double TLessonSession::Seconds() {
    return double(clock_.MonotonicUs()) / 1e6;
}

std::unique_ptr<QApplication> StartHeadlessPlatform(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
}
