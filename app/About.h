#pragma once
// What the program says about itself: on the command line (--help, --version) and in the lesson
// window's about text, which F1 shows over the board.

#include "ui/CommandLine.h"
#include "ui/Types.h"

TProgramInfo LessonProgramInfo();

// In Traditional Chinese, one paragraph a line, the first a heading: the program's name and version,
// its licence, and the credits of the fonts compiled into it.
UnicodeString LessonAboutText();
