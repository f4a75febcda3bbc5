#pragma once
// Qt's solid fills use 256-bit vector instructions and (in Qt 6.4) return
// without clearing the upper halves of the vector registers. Until those are
// cleared, every older 128-bit instruction that follows pays for a merge with
// them, and Qt's text blending is written in exactly those instructions: on
// this program's panel, text drawn after the window's background fill ran at
// half speed. The paint walk settles the vector unit before each control's
// face, and the animation dispatcher before its walk over the pending jobs;
// what they compute stays exactly the same.

// Clears the upper halves of the vector registers where the processor has
// them; does nothing elsewhere. Costs about one cycle.
void SettleVectorUnit();
