#include "tools/scene/SceneScript.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/scene/LessonSession.h"
#include "tools/scene/SceneCommands.h"
#include "tools/scene/ScriptError.h"
#include "tools/scene/ScriptLine.h"

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::error_code error;
    // A folder opens like a file on some systems and reads as empty: not a script.
    if (std::filesystem::is_directory(path, error)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return text.str();
}

}  // namespace

std::optional<std::string> RunSceneScript(TLessonSession& session, std::string_view text,
                                          const std::string& scriptName) {
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    TSceneRun run{session, {}};
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        try {
            RunSceneCommand(run, SplitScriptLine(line));
        } catch (const TScriptError& error) {
            return scriptName + ":" + std::to_string(lineNumber) + ": " + error.what();
        }
    }
    return std::nullopt;
}

int RunSceneScriptFile(const std::string& path, std::ostream& errors) {
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        errors << path << ": cannot read the script (no such file, or not a file)\n";
        return 1;
    }
    TLessonSession session;
    if (const auto failure = RunSceneScript(session, *text, path)) {
        errors << *failure << "\n";
        return 1;
    }
    return 0;
}
