// "離開" in the middle of a presentation ends the real program at once, with
// exit status 0 and nothing from the sanitizers (in the sanitizer build the
// program is sanitized too). The program runs in a real X window on a private
// Xvfb screen and is driven with the mouse through xdotool; screenshots tell
// when a step button shows. Skipped when Xvfb, xdotool or ImageMagick's
// import is missing.
//
// Every wait polls up to a generous deadline, so a slow machine or a
// sanitizer build is never taken for a fault.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

namespace {

constexpr int kDeadlineMs = 120'000;
constexpr int kPollMs = 200;
// How long the presentation plays before "離開" is pressed.
constexpr int kIntoThePresentationMs = 1'000;

// Places in window pixels: the board is shown at its own size.
struct TBox {
    int x, y, width, height;
};
constexpr TBox kArrangeButton{680, 700, 161, 49};  // 排列方法
constexpr TBox kExitButton{897, 1, 126, 48};       // 離開
// A button is drawn where this many pixels of its box are not white.
constexpr int kButtonPixels = 300;

bool Eventually(const std::function<bool()>& condition) {
    for (int waited = 0; waited < kDeadlineMs; waited += kPollMs) {
        if (condition()) return true;
        QThread::msleep(kPollMs);
    }
    return condition();
}

// Xvfb on a display of its own choosing, which it names once it accepts clients.
class TPrivateScreen {
public:
    ~TPrivateScreen() {
        server_.terminate();
        server_.waitForFinished(kDeadlineMs);
    }

    bool Start() {
        server_.setStandardErrorFile(QProcess::nullDevice());
        server_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        if (!server_.waitForStarted(kDeadlineMs)) return false;
        QByteArray named;
        while (!named.contains('\n') && server_.waitForReadyRead(kDeadlineMs)) named += server_.readAll();
        display_ = ":" + QString::fromLatin1(named).trimmed();
        return display_.size() > 1;
    }

    const QString& Display() const { return display_; }

private:
    QProcess server_;
    QString display_;
};

class ExitMidPresentationTest : public ::testing::Test {
protected:
    void SetUp() override {
#if !defined(__linux__)
        GTEST_SKIP() << "drives an X server's window; the Windows build's window has its own test under Wine";
#else
        for (const char* tool : {"Xvfb", "xdotool", "import"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << tool << " is not installed (Debian packages xvfb, xdotool, imagemagick)";
        ASSERT_TRUE(screen.Start()) << "Xvfb did not start";
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", screen.Display());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("LSAN_OPTIONS", "suppressions=" TARNWICK_SOURCE_DIR "/tools/lsan.supp");
#endif
    }

    // Runs a tool on the private screen to its end; its output, or nothing if it failed.
    QString Run(const QString& tool, const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(tool, arguments);
        if (!process.waitForFinished(kDeadlineMs) || process.exitCode() != 0) return {};
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // Finds the lesson window and where it stands on the screen.
    bool FindWindow() {
        return Eventually([&] {
            const QString id = Run("xdotool", {"search", "--name", "Velmora"}).section('\n', 0, 0);
            if (id.isEmpty()) return false;
            const auto place = QRegularExpression(R"(Position: (\d+),(\d+))")
                                   .match(Run("xdotool", {"getwindowgeometry", id}));
            if (!place.hasMatch()) return false;
            windowX = place.captured(1).toInt();
            windowY = place.captured(2).toInt();
            return true;
        });
    }

    int PaintedPixels(const TBox& box) {
        const QString shot = folder.filePath("screen.png");
        Run("import", {"-window", "root", shot});
        const QImage image(shot);
        int painted = 0;
        for (int y = box.y; y < box.y + box.height; ++y)
            for (int x = box.x; x < box.x + box.width; ++x) {
                const QColor colour = image.pixelColor(windowX + x, windowY + y);
                painted += colour.isValid() && colour != Qt::white;
            }
        return painted;
    }
    bool Shown(const TBox& box) {
        return PaintedPixels(box) > kButtonPixels;
    }

    void Click(const TBox& box) {
        Run("xdotool", {"mousemove", "--sync", QString::number(windowX + box.x + box.width / 2),
                        QString::number(windowY + box.y + box.height / 2), "click", "1"});
    }

    TPrivateScreen screen;
    QProcessEnvironment environment;
    QTemporaryDir folder;
    int windowX = 0, windowY = 0;
};

TEST_F(ExitMidPresentationTest, ExitButtonDuringTheWalkthroughEndsTheProgramCleanly) {
    QProcess program;
    program.setProcessEnvironment(environment);
    // Into a file, so that a talkative program never blocks on a full pipe.
    const QString errorFile = folder.filePath("stderr.txt");
    program.setStandardErrorFile(errorFile);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.start(TARNWICK_BINARY_DIR "/app/tarnwick", QStringList{});
    ASSERT_TRUE(program.waitForStarted(kDeadlineMs)) << "no program at " TARNWICK_BINARY_DIR "/app/tarnwick";

    ASSERT_TRUE(FindWindow()) << "the lesson window never appeared";
    ASSERT_TRUE(Eventually([&] { return Shown(kArrangeButton); })) << "排列方法 never showed";
    Click(kArrangeButton);
    ASSERT_TRUE(Eventually([&] { return !Shown(kArrangeButton); })) << "the walkthrough never began";
    QThread::msleep(kIntoThePresentationMs);
    ASSERT_EQ(program.state(), QProcess::Running) << "the program ended before 離開 was pressed";
    Click(kExitButton);

    const bool ended = program.waitForFinished(kDeadlineMs);
    if (!ended) program.kill();
    QFile errorOutput(errorFile);
    errorOutput.open(QIODevice::ReadOnly);
    const QString errors = QString::fromUtf8(errorOutput.readAll());
    ASSERT_TRUE(ended) << "the program went on after 離開";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors.toStdString();
    EXPECT_EQ(program.exitCode(), 0) << errors.toStdString();
    for (const char* report : {"ERROR: AddressSanitizer", "LeakSanitizer", "runtime error"})
        EXPECT_FALSE(errors.contains(report)) << errors.toStdString();
}

}  // namespace
