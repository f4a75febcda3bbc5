#pragma once
// The program's state at one moment as JSON: the time, the lesson window's
// controls, the engine's table, what the drawing panel holds and every
// message shown so far.

#include <QJsonObject>
#include <string>

class TLessonSession;

QJsonObject LessonStateJson(TLessonSession& session);

// Writes the state, indented, to a file; false when it cannot be written.
bool WriteStateDump(TLessonSession& session, const std::string& path);
