#pragma once
// The fonts the lesson asks for by name, and the faces that answer for them on any machine.

#include "ui/Types.h"

// Registers the embedded faces and the family substitutions. Call once after the QGuiApplication
// exists; idempotent.
void RegisterLessonFonts();

// The installed family that actually draws text asked for by `family` (after substitution), for tests
// and the scene dump.
UnicodeString FamilyAnsweringFor(const UnicodeString& family);

// The family of text whose family comes from the style (labels, buttons' style, the message box).
UnicodeString DefaultUiFamily();
