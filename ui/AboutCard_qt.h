#pragma once
// The about text drawn over the board: the board dimmed, and in its middle a white card with a navy
// frame, the text's first line as its heading. The text is laid out once and kept, since the lesson
// may go on animating underneath.

#include <QFont>
#include <QSizeF>
#include <QStaticText>
#include <vector>

#include "ui/Types.h"

class QPainter;

class TAboutCard {
public:
    // Paints the card for `text` (lines separated by '\n') over a board of `board` size.
    void Paint(QPainter& painter, QSizeF board, const UnicodeString& text);

private:
    struct Line {
        QStaticText text;
        bool heading = false;
    };

    void Layout(const UnicodeString& text, int dpi);

    UnicodeString laidOutText_;
    int laidOutDpi_ = 0;
    QFont headingFont_, bodyFont_;
    std::vector<Line> lines_;
    QSizeF textSize_;
};
