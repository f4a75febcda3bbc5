#include "tools/scene/Recording.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>

#include "app/MultipleDemo.h"
#include "tools/scene/LessonSession.h"
#include "tools/scene/ScriptError.h"
#include "tools/scene/ScriptValues.h"
#include "ui/Render.h"

namespace {

void MakeFolder(const std::filesystem::path& folder) {
    std::error_code error;
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    if (error) throw TScriptError("cannot make folder " + Quoted(folder.string()) + ": " + error.message());
}

std::string FrameName(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "frame_%05d.png", index);
    return name;
}

// A second `frames` into the same folder within one script continues the
// sequence, so that a whole lesson with clicks in between is one recording.
int& NextFrameIn(const std::string& folder) {
    static std::map<std::string, int> nextFrame;
    return nextFrame[std::filesystem::weakly_canonical(folder).string()];
}

}  // namespace

void WriteLessonPng(TLessonSession& session, const std::string& path) {
    MakeFolder(std::filesystem::path(path).parent_path());
    if (!RenderFormToPng(session.Lesson(), path)) throw TScriptError("cannot write " + Quoted(path));
}

void RecordFrames(TLessonSession& session, const std::string& folder, double fps, double seconds) {
    MakeFolder(folder);
    int& nextFrame = NextFrameIn(folder);
    const std::int64_t totalMs = std::llround(seconds * 1000);
    std::int64_t elapsedMs = 0;
    // Each frame's moment is reckoned from the first, so rounding to whole
    // milliseconds never adds up to drift.
    for (int frame = 0;; ++frame) {
        const std::int64_t frameMs = std::llround(frame * 1000.0 / fps);
        if (frameMs >= totalMs) break;
        session.WaitMs(frameMs - elapsedMs);
        elapsedMs = frameMs;
        WriteLessonPng(session, (std::filesystem::path(folder) / FrameName(nextFrame++)).string());
    }
    session.WaitMs(totalMs - elapsedMs);
}
