#pragma once
// The program's command line, read before any window or platform exists, so that it answers on a
// terminal without a display: --help and --version print and end, an option or argument it does not
// know ends it with one line, and a machine with no display to show the window on is told so in one
// line instead of the platform's abort. Qt's own options (-platform NAME, -display NAME, -style NAME …)
// pass through to the application.

#include <optional>
#include <string>

struct TProgramInfo {
    std::string name;         // as typed on the command line: "tarnwick"
    std::string version;      // the project's one version number
    std::string description;  // what the program is: a paragraph for --help
    std::string keys;         // the keys of its window: a table for --help
};

// Exit statuses of a program that ends before its window opens.
namespace exit_status {
constexpr int Answered = 0;   // --help or --version
constexpr int NoDisplay = 1;  // nothing to show the window on
constexpr int Usage = 2;      // an option or argument the program does not know
}  // namespace exit_status

// The exit status when the program ends here, or nothing when it goes on to open its window.
std::optional<int> AnswerCommandLine(int argc, char** argv, const TProgramInfo& program);

// One line on standard error: there is no display to open the lesson on, and how to run it.
void ReportNoDisplay(const std::string& programName);
