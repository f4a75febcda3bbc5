#pragma once
// The whole program, headless, on a virtual clock: the lesson window and the
// engine created as the program creates them, with time that moves only when
// told to. Tests, the scene tool and the benchmarks all put the program into
// a given moment through this one class.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/Clock.h"
#include "ui/Types.h"

class QApplication;
class TApplication;
class TfMultipleDemo;
class TfAnimation;
class TScheduler;

class TLessonSession {
public:
    // Needs a QApplication (offscreen platform) to exist already.
    TLessonSession();
    ~TLessonSession();
    TLessonSession(const TLessonSession&) = delete;
    TLessonSession& operator=(const TLessonSession&) = delete;

    TfMultipleDemo& Lesson();
    TfAnimation& Engine();
    TVirtualClock& Clock() { return clock_; }
    // The program's scheduler, which the virtual clock drives.
    TScheduler& Scheduler();

    // Moves virtual time, running timers, the dispatcher and the animation
    // clock exactly as the real loop would. Steps below 0 or beyond a century
    // of virtual time are not taken.
    void Wait(double seconds);
    void WaitMs(std::int64_t ms);
    // Seconds of virtual time since the session began.
    double Seconds();

    // The texts of every message box shown so far (each closed at once, as by
    // a user pressing OK).
    const std::vector<UnicodeString>& Messages() const { return messages_; }

private:
    TVirtualClock clock_;
    int argc_ = 1;
    char* argv_[2] = {const_cast<char*>("tarnwick"), nullptr};
    std::unique_ptr<TApplication> application_;
    std::vector<UnicodeString> messages_;
};

// Creates the QApplication on the offscreen platform. Call first thing in a
// tool's main: Qt takes its own options (`-platform NAME` picks another
// platform) out of argc and argv. Keep it until main returns, after every
// session has gone: Qt torn down in the exit handlers would crash.
std::unique_ptr<QApplication> StartHeadlessPlatform(int& argc, char** argv);
