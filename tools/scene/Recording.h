#pragma once
// Pictures of the lesson window: one PNG, or a sequence of them taken at a
// fixed rate of virtual time.

#include <map>
#include <string>

class TLessonSession;

// The frame sequences of one script run. The run's first `frames` into a
// folder starts a fresh sequence there, removing the frames an earlier run
// left (so that a video made from the folder never mixes two lessons); later
// `frames` of the same run into that folder continue its sequence.
class TFrameSequences {
public:
    // The number of the folder's next frame.
    int& NextFrameIn(const std::string& folder);

private:
    std::map<std::string, int> nextFrame_;
};

// Writes the lesson window as a PNG, making the folder if needed. Throws
// TScriptError when the file cannot be written.
void WriteLessonPng(TLessonSession& session, const std::string& path);

// Writes folder/frame_00000.png … : a frame now and one every 1/fps s of
// virtual time before `seconds` have passed, leaving the clock `seconds` later.
// The caller keeps fps and seconds in a sensible range.
void RecordFrames(TLessonSession& session, TFrameSequences& sequences, const std::string& folder, double fps,
                  double seconds);
