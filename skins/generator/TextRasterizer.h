// Turns a text into anti-aliased coverage; the generator draws labels with
// it. The Windows implementation uses GDI so that labels look like the
// toolkit's own "Arial" text.
#pragma once

#include "skins/generator/Raster.h"
#include "skins/generator/VisualStyle.h"

#include <string>

enum class TextAlign { Left, Centre, Right };

struct TextRequest {
    std::string text;
    style::FontStyle font;
    int width = 0;
    int height = 0;
    TextAlign align = TextAlign::Centre;
    bool wrap = false;  // word-wrapped; otherwise one line
};

class TextRasterizer {
public:
    virtual ~TextRasterizer() = default;
    // Coverage of exactly width x height pixels, the text centred vertically.
    virtual Coverage Render(const TextRequest& request) = 0;
};
