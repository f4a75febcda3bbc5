// The real program started from a terminal: --help and --version answer without a display, what it does
// not understand ends it with one line and status 2, and a machine with no display ends it with one line
// and status 1, never the platform's abort. Where a display is needed, Qt's offscreen platform stands in.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/Version.h"

namespace {

// A program still running after this long has opened its window.
constexpr int kSettleMs = 2000;
constexpr int kStillRunning = -1;

enum class Output { Empty, Help, Version, OneLine, LastLine };

struct CommandLineCase {
    const char* name;
    // Whether the case is about X11's or Wayland's display server, which only
    // those systems have: on Windows the program always has its desktop.
    bool displayServer;
    std::vector<const char*> arguments;
    std::vector<const char*> environment;  // "NAME=value", on top of a machine with no display
    int exitStatus;                        // or kStillRunning
    Output out;
    Output err;
    const char* errContains = "";
};

const CommandLineCase kCases[] = {
    {"--help", false, {"--help"}, {}, 0, Output::Help, Output::Empty},
    {"-h", false, {"-h"}, {}, 0, Output::Help, Output::Empty},
    {"--help wins over a platform option",
     false,
     {"-platform", "xcb", "--help"},
     {},
     0,
     Output::Help,
     Output::Empty},
    {"--version", false, {"--version"}, {}, 0, Output::Version, Output::Empty},
    {"-v", false, {"-v"}, {}, 0, Output::Version, Output::Empty},
    {"an unknown option", false, {"--bogus"}, {}, 2, Output::Empty, Output::OneLine, "bogus"},
    {"-v? is no version option", false, {"-v?"}, {}, 2, Output::Empty, Output::OneLine, "v?"},
    {"an unknown option beside --help",
     false,
     {"--help", "--bogus"},
     {},
     2,
     Output::Empty,
     Output::OneLine,
     "bogus"},
    {"an argument", false, {"lesson"}, {}, 2, Output::Empty, Output::OneLine, "'lesson'"},
    {"-platform without its name", false, {"-platform"}, {}, 2, Output::Empty, Output::OneLine, "platform"},
    {"no display", true, {}, {}, 1, Output::Empty, Output::OneLine, "no display to open the lesson on"},
    {"-platform xcb with no display",
     true,
     {"-platform", "xcb"},
     {},
     1,
     Output::Empty,
     Output::OneLine,
     "no display"},
    {"QT_QPA_PLATFORM=xcb with no display",
     true,
     {},
     {"QT_QPA_PLATFORM=xcb"},
     1,
     Output::Empty,
     Output::OneLine,
     "no display"},
    {"a display that does not answer",
     true,
     {},
     {"DISPLAY=:4093"},
     1,
     Output::Empty,
     Output::LastLine,
     "no display to open the lesson on"},
    {"-platform offscreen opens the lesson",
     false,
     {"-platform", "offscreen"},
     {},
     kStillRunning,
     Output::Empty,
     Output::Empty},
    {"QT_QPA_PLATFORM=offscreen opens the lesson",
     false,
     {},
     {"QT_QPA_PLATFORM=offscreen"},
     kStillRunning,
     Output::Empty,
     Output::Empty},
};

std::vector<std::string> Lines(const QByteArray& text) {
    std::vector<std::string> lines;
    for (const QByteArray& line : text.split('\n'))
        if (!line.isEmpty()) lines.push_back(line.toStdString());
    return lines;
}

void ExpectOutput(const char* stream, QByteArray text, Output expected, const char* contains) {
    SCOPED_TRACE(stream);
    text.replace("\r\n", "\n");  // Windows ends its lines so
    const std::vector<std::string> lines = Lines(text);
    switch (expected) {
        case Output::Empty:
            EXPECT_TRUE(text.isEmpty()) << text.toStdString();
            break;
        case Output::Help:
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines.front(), "Usage: tarnwick [options]");
            for (const char* part : {"--version", "-platform NAME", "F1", "F11", "PageDown"})
                EXPECT_TRUE(text.contains(part)) << "the help names " << part;
            break;
        case Output::Version:
            EXPECT_EQ(text.toStdString(), std::string("tarnwick ") + TarnwickVersion + "\n");
            break;
        case Output::OneLine:
            ASSERT_EQ(lines.size(), 1u) << text.toStdString();
            EXPECT_TRUE(lines.front().starts_with("tarnwick: ")) << lines.front();
            EXPECT_NE(lines.front().find(contains), std::string::npos) << lines.front();
            break;
        case Output::LastLine:
            ASSERT_FALSE(lines.empty());
            EXPECT_NE(lines.back().find(contains), std::string::npos) << text.toStdString();
            break;
    }
}

}  // namespace

TEST(CommandLineTest, EachCommandLineEndsAsItShould) {
    QTemporaryDir runtimeDir;  // no Wayland compositor's socket in it
    ASSERT_TRUE(runtimeDir.isValid());
    for (const CommandLineCase& c : kCases) {
        SCOPED_TRACE(c.name);
#ifdef Q_OS_WIN
        if (c.displayServer) continue;
#endif
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
        environment.insert("XDG_RUNTIME_DIR", runtimeDir.path());
        for (const QString setting : c.environment)
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        QProcess program;
        program.setProcessEnvironment(environment);
        QStringList arguments;
        for (const char* argument : c.arguments) arguments << argument;
        program.start(TARNWICK_PROGRAM, arguments);
        ASSERT_TRUE(program.waitForStarted());

        const bool ended = program.waitForFinished(c.exitStatus == kStillRunning ? kSettleMs : 30'000);
        if (c.exitStatus == kStillRunning) {
            EXPECT_FALSE(ended) << "ended with " << program.exitCode() << ": "
                                << program.readAllStandardError().toStdString();
            program.kill();
            program.waitForFinished();
            continue;
        }
        ASSERT_TRUE(ended);
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
        EXPECT_EQ(program.exitCode(), c.exitStatus);
        ExpectOutput("standard output", program.readAllStandardOutput(), c.out, c.errContains);
        ExpectOutput("standard error", program.readAllStandardError(), c.err, c.errContains);
    }
}
