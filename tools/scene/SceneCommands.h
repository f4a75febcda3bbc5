#pragma once
// The commands of a scene script, one line at a time:
//   seed N                     seeds the random generator (before activate)
//   activate                   the lesson window becomes the active window
//   set NAME VALUE             a label's Text, or a track bar's Value
//   click NAME                 clicks a button as a user would
//   wait SECONDS               advances virtual time
//   png FILE                   the lesson window as a PNG
//   dump FILE                  the state as JSON (StateDump.h)
//   frames DIR FPS SECONDS     a PNG every 1/FPS s for SECONDS s
//   engine OPERATION ARGS…     the engine (EngineCommands.h)

#include <string>
#include <vector>

class TLessonSession;

// `words` is one line cut into words, the command first. Throws TScriptError
// when the line is malformed or cannot be carried out.
void RunSceneCommand(TLessonSession& session, const std::vector<std::string>& words);
