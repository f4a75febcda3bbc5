#pragma once
// The moments the benchmarks measure, each reached the way the class reaches
// it: the whole program on a virtual clock, driven through its own buttons
// and the engine's own builders.

#include <QImage>
#include <memory>

#include "tools/scene/LessonSession.h"

class TForm;

// The board's size: what the projector shows.
constexpr int kBoardWidth = 1024, kBoardHeight = 768;
// Labels in the stress frame and in the dispatcher's full table.
constexpr int kStressLabelCount = 4096;

// The lesson as a teacher starts it: activated, the first draw shown.
std::unique_ptr<TLessonSession> ActivatedLesson();
// The densest frame of a lesson: problem 9, 8, 7 at the end of the working,
// with the 60 walkthrough labels, 54 working labels and the grid.
std::unique_ptr<TLessonSession> DensestLessonFrame();
// The densest frame's window without what the lesson adds to it: the panel's
// labels hidden and its grid left out. What every frame draws regardless.
std::unique_ptr<TLessonSession> DensestLessonFrameWithoutLabelsOrGrid();
// The lesson window with 4096 one-character labels entered on the panel.
std::unique_ptr<TLessonSession> StressFrame();
// A 123 × 45 column transform played to its end, then every glow of it lit.
std::unique_ptr<TLessonSession> ColumnTransformWithEveryGlowLit();

// Labels shown on the lesson's panel: visible, and with a face the class sees.
int VisibleLabelsOnPanel(TLessonSession& session);

// Records one entrance per character cell of the panel's grid, 4096 in all,
// each `startSeconds` after the schedule origin (the engine was just Reset).
void RecordStressLabels(TLessonSession& session, double startSeconds);
// Frees every label, animation and effect on the lesson's panel.
void ClearPanel(TLessonSession& session);

// A 1024 × 768 raster image at 96 dpi, made once and painted over again.
QImage MakeBoardImage();
// Paints the window into `image` as the host window and the scene tool do.
void PaintFrame(TForm& form, QImage& image);
