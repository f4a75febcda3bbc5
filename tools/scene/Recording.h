#pragma once
// Pictures of the lesson window: one PNG, or a sequence of them taken at a
// fixed rate of virtual time.

#include <string>

class TLessonSession;

// Writes the lesson window as a PNG, making the folder if needed. Throws
// TScriptError when the file cannot be written.
void WriteLessonPng(TLessonSession& session, const std::string& path);

// Writes folder/frame_00000.png … : a frame now and one every 1/fps s of
// virtual time before `seconds` have passed, leaving the clock `seconds` later.
void RecordFrames(TLessonSession& session, const std::string& folder, double fps, double seconds);
