#include "ui/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt's own options, which QGuiApplication and QApplication take out of the command line themselves.
struct QtOption {
    const char* name;
    bool takesValue;
};

constexpr QtOption kQtOptions[] = {
    {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},     {"qwindowgeometry", true},
    {"qwindowicon", true},        {"qwindowtitle", true},  {"session", true},    {"display", true},
    {"geometry", true},           {"style", true},         {"stylesheet", true}, {"qmljsdebugger", true},
    {"reverse", false},           {"widgetcount", false},
};

void Print(std::FILE* stream, const std::string& text) {
    std::fputs(text.c_str(), stream);
    std::fflush(stream);
}

// One line on standard error, after the program's name, as command-line tools write it.
void Complain(const std::string& programName, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", programName.c_str(), message.c_str());
    std::fflush(stderr);
}

std::string HelpText(const TProgramInfo& program) {
    const std::string& name = program.name;
    return "Usage: " + name + " [options]\n\n" + program.description + "\n\nOptions:\n" +
           "  -h, --help        Show this help and end.\n"
           "  -v, --version     Show the version number and end.\n"
           "  -platform NAME    Show the window on Qt's platform NAME (xcb, wayland, offscreen …).\n"
           "                    Qt's other options (-display NAME, -style NAME …) work as well.\n\n" +
           program.keys + "\n";
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID) && !defined(Q_OS_WASM)
bool EnvironmentHas(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// Wayland's client library connects to WAYLAND_DISPLAY, or else to "wayland-0" in the runtime folder.
bool WaylandCompositorReachable() {
    if (EnvironmentHas("WAYLAND_DISPLAY")) return true;
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    return runtimeDir && *runtimeDir && QFileInfo::exists(QString::fromLocal8Bit(runtimeDir) + "/wayland-0");
}

// Whether one of Qt's platforms has something to show a window on. Only the two that need a display
// server are judged here; the others (offscreen, eglfs, vnc …) need none, or report for themselves.
bool PlatformHasDisplay(const QString& platform, bool displayOptionGiven) {
    if (platform == "xcb") return displayOptionGiven || EnvironmentHas("DISPLAY");
    if (platform.startsWith("wayland")) return WaylandCompositorReachable();
    return true;
}

// The platforms Qt will try, as -platform or QT_QPA_PLATFORM name them ("wayland;xcb", "xcb:option=1");
// without either, Qt's default on this system is one of the two display servers' platforms.
bool SomePlatformHasDisplay(const QString& requested, bool displayOptionGiven) {
    const QString platforms = requested.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : requested;
    if (platforms.isEmpty())
        return PlatformHasDisplay("xcb", displayOptionGiven) || PlatformHasDisplay("wayland", false);
    for (const QString& entry : platforms.split(';', Qt::SkipEmptyParts))
        if (PlatformHasDisplay(entry.section(':', 0, 0).trimmed(), displayOptionGiven)) return true;
    return false;
}
#else
bool SomePlatformHasDisplay(const QString&, bool) {
    return true;
}
#endif

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv, const TProgramInfo& program) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.isEmpty()) arguments << QString::fromStdString(program.name);

    QCommandLineParser parser;
    // Qt's options are written with one dash and a whole word ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    const QCommandLineOption platform("platform", QString(), "NAME");
    parser.addOptions({help, version, platform});
    for (const QtOption& option : kQtOptions)
        parser.addOption(QCommandLineOption(option.name, QString(), option.takesValue ? "VALUE" : ""));

    const std::string tryHelp = " Try '" + program.name + " --help'.";
    if (!parser.parse(arguments)) {
        Complain(program.name, parser.errorText().toStdString() + tryHelp);
        return exit_status::Usage;
    }
    if (!parser.positionalArguments().isEmpty()) {
        Complain(program.name, "unexpected argument '" +
                                   parser.positionalArguments().constFirst().toStdString() + "'." + tryHelp);
        return exit_status::Usage;
    }
    if (parser.isSet(help)) {
        Print(stdout, HelpText(program));
        return exit_status::Answered;
    }
    if (parser.isSet(version)) {
        Print(stdout, program.name + " " + program.version + "\n");
        return exit_status::Answered;
    }
    if (!SomePlatformHasDisplay(parser.value(platform), parser.isSet("display"))) {
        ReportNoDisplay(program.name);
        return exit_status::NoDisplay;
    }
    return std::nullopt;
}

void ReportNoDisplay(const std::string& programName) {
    Complain(
        programName,
        "no display to open the lesson on; run it in a desktop session, where DISPLAY or WAYLAND_DISPLAY "
        "is set.");
}
