#pragma once
#include <QImage>

class TForm;

// The form painted into a new image at 96 dpi and device pixel ratio 1.
QImage RenderForm(TForm& form);
