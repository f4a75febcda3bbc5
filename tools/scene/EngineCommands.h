#pragma once
// `engine …` lines: reset, start, AddJobScheduleTime and every builder of the
// engine by its own name, with the arguments in the builder's own order:
//   a control      paneCAL (any control of the lesson window by name), or
//                  label:N for Animation_Label[N] (null when dead or empty)
//   a number       12, -0.5 (an int where the builder takes one)
//   a string       "..." with \" and \\ escapes
//   a colour       0xAARRGGBB
//   an alignment   Center, Leading or Trailing
//   a number list  [a,b,…] or []
//   a set          {kind,start,duration,value;…} or {} (AnimationSetSyntax.h)

#include <span>
#include <string>
#include <vector>

class TLessonSession;

// `words` are the words after `engine`. Throws TScriptError for an unknown
// name, a wrong number of arguments or an argument of the wrong type, before
// anything runs.
void RunEngineCommand(TLessonSession& session, std::span<const std::string> words);

// Every name that `engine` accepts.
std::vector<std::string> EngineCommandNames();
