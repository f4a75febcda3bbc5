#pragma once
// Renders a form exactly as its window shows it, into a picture file.

#include <string>

class TForm;

// Writes the form as a PNG at device pixel ratio 1; false on failure.
bool RenderFormToPng(TForm& form, const std::string& path);
