#pragma once
// A scene script run line by line: one command a line, '#' starts a
// comment, blank lines are skipped. The first bad line stops the script.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

class TLessonSession;

// Runs `text` on the session. Returns nothing when every line ran, else the
// message "NAME:LINE: what went wrong", NAME being `scriptName`.
std::optional<std::string> RunSceneScript(TLessonSession& session, std::string_view text,
                                          const std::string& scriptName);

// The tool: reads the file, runs it on a fresh session and writes any
// message to `errors`. Returns the exit status: 0 when every line ran.
int RunSceneScriptFile(const std::string& path, std::ostream& errors);
