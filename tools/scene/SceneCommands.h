#pragma once
// The commands of a scene script, one line at a time:
//   seed N                     seeds the random generator (before activate)
//   activate                   the lesson window becomes the active window
//   set NAME VALUE             a label's Text, or a track bar's Value (within its Min … Max)
//   click NAME                 clicks a button as a user would
//   wait SECONDS               advances virtual time (0 … 86400 s)
//   png FILE                   the lesson window as a PNG
//   dump FILE                  the state as JSON (StateDump.h)
//   frames DIR FPS SECONDS     a PNG every 1/FPS s for SECONDS s (FPS 0.01 up to 120,
//                              SECONDS above 0 up to 3600, at most 10,000 frames a command)
//   engine OPERATION ARGS…     the engine (EngineCommands.h)

#include <string>
#include <vector>

#include "tools/scene/Recording.h"

class TLessonSession;

// What one run of a script acts on: the program, and the recordings it makes.
struct TSceneRun {
    TLessonSession& session;
    TFrameSequences frames;
};

// The ranges of the commands' numbers; outside them a line is an error.
namespace scene_limits {
// A day of virtual time covers any lesson many times over.
constexpr double kLongestWaitSeconds = 86'400;
constexpr double kLowestFrameRate = 0.01;  // a frame every 100 s
constexpr double kHighestFrameRate = 120;
constexpr double kLongestRecordingSeconds = 3'600;
// The slowest whole lesson is under 80 s: 10,000 frames is two minutes at 60 frames a second.
constexpr double kMostFramesPerCommand = 10'000;
}  // namespace scene_limits

// `words` is one line cut into words, the command first. Throws TScriptError
// when the line is malformed or cannot be carried out.
void RunSceneCommand(TSceneRun& run, const std::vector<std::string>& words);
