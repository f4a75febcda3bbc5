#include "tools/scene/Recording.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>
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

bool IsFrameName(const std::string& name) {
    return name.size() == std::string_view("frame_00000.png").size() && name.starts_with("frame_") &&
           name.ends_with(".png") &&
           std::all_of(name.begin() + 6, name.begin() + 11, [](char c) { return c >= '0' && c <= '9'; });
}

// Only files named as frames go; anything else in the folder stays.
void RemoveOldFrames(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file() || !IsFrameName(entry.path().filename().string())) continue;
        std::filesystem::remove(entry.path(), error);
        if (error)
            throw TScriptError("cannot remove the earlier frame " + Quoted(entry.path().string()) + ": " +
                               error.message());
    }
    if (error) throw TScriptError("cannot read folder " + Quoted(folder.string()) + ": " + error.message());
}

}  // namespace

int& TFrameSequences::NextFrameIn(const std::string& folder) {
    const std::string key = std::filesystem::weakly_canonical(folder).string();
    const auto [entry, first] = nextFrame_.try_emplace(key, 0);
    if (first) RemoveOldFrames(folder);
    return entry->second;
}

void WriteLessonPng(TLessonSession& session, const std::string& path) {
    MakeFolder(std::filesystem::path(path).parent_path());
    if (!RenderFormToPng(session.Lesson(), path)) throw TScriptError("cannot write " + Quoted(path));
}

void RecordFrames(TLessonSession& session, TFrameSequences& sequences, const std::string& folder, double fps,
                  double seconds) {
    MakeFolder(folder);
    int& nextFrame = sequences.NextFrameIn(folder);
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
