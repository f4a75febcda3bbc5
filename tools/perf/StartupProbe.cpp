// The program exactly as app/main.cpp starts it, with a stopwatch from the
// outside: an application-wide event filter notes the lesson window's first
// paint, and once that frame has been painted and handed to the window
// system the probe prints how long the process took to get there and its
// peak resident memory, then closes the program.
//
//   tarnwick_startup_probe [--launched-at SECONDS]
//
// SECONDS is the wall-clock time at which the process was launched (bash's
// $EPOCHREALTIME, read just before the launch). Without it the kernel's start
// time of the process is used, which is only good to 10 ms.
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"
#include "ui/Application.h"

namespace {

double Seconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Field 22 of /proc/self/stat: clock ticks after boot at which the process started.
double KernelStartSecondsAfterBoot() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) fields >> field;
    return std::stod(field) / double(sysconf(_SC_CLK_TCK));
}

// How long ago the process was launched, on whichever clock tells it best.
class LaunchClock {
public:
    explicit LaunchClock(std::optional<double> launchedAtEpoch) : launchedAtEpoch_(launchedAtEpoch) {
        if (!launchedAtEpoch_) startAfterBoot_ = KernelStartSecondsAfterBoot();
    }
    double MsSinceLaunch() const {
        if (launchedAtEpoch_) return (Seconds(CLOCK_REALTIME) - *launchedAtEpoch_) * 1000;
        return (Seconds(CLOCK_BOOTTIME) - startAfterBoot_) * 1000;
    }

private:
    std::optional<double> launchedAtEpoch_;
    double startAfterBoot_ = 0;
};

long StatusKib(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::strlen(key)));
    return -1;
}

// Waits for the first paint of a top-level window; the report runs after the
// event loop has finished that paint and flushed it to the screen.
class FirstFrameWatch final : public QObject {
public:
    FirstFrameWatch(const LaunchClock& clock, double mainMs, double initializedMs)
        : clock_(clock), mainMs_(mainMs), initializedMs_(initializedMs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!seen_ && event->type() == QEvent::Paint && widget && widget->isWindow()) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] { Report(); });
        }
        return false;
    }

private:
    void Report() {
        std::printf("main_entered_ms=%.1f\n", mainMs_);
        std::printf("initialized_ms=%.1f\n", initializedMs_);
        std::printf("first_frame_ms=%.1f\n", clock_.MsSinceLaunch());
        std::printf("peak_rss_kib=%ld\n", StatusKib("VmHWM:"));
        std::fflush(stdout);
        Application->Terminate();
    }

    const LaunchClock& clock_;
    double mainMs_, initializedMs_;
    bool seen_ = false;
};

std::optional<double> LaunchedAt(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--launched-at") == 0) return std::stod(argv[i + 1]);
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const LaunchClock clock(LaunchedAt(argc, argv));
    const double mainMs = clock.MsSinceLaunch();
    TApplication application(argc, argv);
    Application->Initialize();
    FirstFrameWatch watch(clock, mainMs, clock.MsSinceLaunch());
    qApp->installEventFilter(&watch);
    Application->CreateForm(fMultipleDemo);
    Application->CreateForm(fAnimation);
    return Application->Run();
}
