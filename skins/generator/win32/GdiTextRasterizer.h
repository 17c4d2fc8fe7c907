// Text coverage drawn by GDI with anti-aliased fonts, so that labels in the
// skin images match the text the toolkit draws at run time.
#pragma once

#include "skins/generator/TextRasterizer.h"

class GdiTextRasterizer : public TextRasterizer {
public:
    Coverage Render(const TextRequest& request) override;
};
