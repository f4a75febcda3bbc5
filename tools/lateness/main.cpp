// tarnwick-lateness: how late the dispatcher starts the jobs of a whole lesson
// in the real program, on the real clock and the real event loop.
//
//   tarnwick-lateness [SPEED 1…6] [SEED]
//
// The window is shown on the platform that QT_QPA_PLATFORM names (xcb under
// an X server, for instance); with none named and no DISPLAY, on Qt's
// offscreen platform, which still paints every frame and runs the same loop.
// Built for the browser it runs in its page and prints to the console; there
// the loop never returns, so the figures are printed as the lesson ends.
#include <QTimer>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"
#include "tools/lateness/LessonDriver.h"
#include "ui/Application.h"
#include "ui/Runtime.h"

namespace {

// Ends a lesson that never finishes (a window that never became active, say).
constexpr int kGiveUpMs = 180'000;

void PrintSummary(const char* name, const TLatenessSamples& samples) {
    std::printf("%-12s %4zu jobs   median %6.1f ms   worst %6.1f ms   within one 5 ms tick: %zu\n", name,
                samples.Count(), samples.Median() * 1000, samples.Worst() * 1000,
                samples.WithinSeconds(0.005));
}

// Windows always has its desktop; elsewhere the window needs an X display.
#ifndef Q_OS_WASM
bool HasDisplay() {
#ifdef Q_OS_WIN
    return true;
#else
    return qEnvironmentVariableIsSet("DISPLAY");
#endif
}
#endif

void PrintLesson(float speed) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, speed setting %g (time scale %g), problem %d, %d, %d\n",
                platform ? platform : "(Qt's default)", double(speed), vvTimeScale, fMultipleDemo->AA,
                fMultipleDemo->BB, fMultipleDemo->CC);
}

void PrintFigures(float speed, const TLessonDriver& driver) {
    PrintLesson(speed);
    TLatenessSamples all;
    all.Add(driver.Walkthrough());
    all.Add(driver.Working());
    PrintSummary("walkthrough", driver.Walkthrough());
    PrintSummary("working", driver.Working());
    PrintSummary("all", all);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const float speed = argc > 1 ? std::strtof(argv[1], nullptr) : 3;
    if (argc > 3 || speed < 1 || speed > 6) {
        std::fprintf(stderr, "usage: tarnwick-lateness [SPEED 1…6] [SEED]\n");
        return 2;
    }
#ifndef Q_OS_WASM
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !HasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif

    TApplication application(argc, argv);
    Application->Initialize();
    if (argc > 2) RandSeed(std::strtoull(argv[2], nullptr, 10));
    Application->CreateForm(fMultipleDemo);
    Application->CreateForm(fAnimation);
    Application->CreateRegisteredForms();

    TLessonDriver driver(*fMultipleDemo, *fAnimation, speed);
    bool finished = false;
    driver.OnFinished = [&] {
        finished = true;
        PrintFigures(speed, driver);
        fMultipleDemo->Close();
    };
    QTimer::singleShot(kGiveUpMs, [] {
        if (fMultipleDemo) fMultipleDemo->Close();
    });
    Application->Run();

    if (!finished) {
        std::fprintf(stderr, "tarnwick-lateness: the lesson did not finish within %d s\n", kGiveUpMs / 1000);
        return 1;
    }
    return 0;
}
