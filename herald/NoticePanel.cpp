#include "NoticePanel.h"

#include "NoticeLayout.h"
#include "skins/generator/VisualStyle.h"

namespace herald {

namespace {

uint32_t Pack(Colour colour) {
    return (static_cast<uint32_t>(colour.red) << 16) | (static_cast<uint32_t>(colour.green) << 8) | colour.blue;
}

Colour Unpack(uint32_t pixel) {
    return Rgb((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace

void PaintPanelBackground(PanelPixels& pixels, int width, int height) {
    pixels.assign(static_cast<size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y) {
        // The title bars' light falls from the top onto the window background.
        const Colour body = Mix(style::kTitleTop, style::kBackground, height > 1 ? 255 * y / (height - 1) : 255);
        const Colour bar = Mix(style::kAccentBright, style::kAccentDark, height > 1 ? 255 * y / (height - 1) : 255);
        for (int x = 0; x < width; ++x) {
            Colour colour = x < kAccentBarWidth ? bar : body;
            // The rim: what the panel inset by one pixel does not cover.
            const int inner = RoundedCoverage(x - 1, y - 1, width - 2, height - 2, kPanelRadius - 1);
            colour = Mix(colour, style::kWindowBorder, 255 - inner);
            pixels[static_cast<size_t>(y) * width + x] = Pack(colour);
        }
    }
}

void ApplyPanelShape(PanelPixels& pixels, int width, int height) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint32_t& pixel = pixels[static_cast<size_t>(y) * width + x];
            const uint32_t alpha = RoundedCoverage(x, y, width, height, kPanelRadius);
            const Colour colour = Unpack(pixel);
            pixel = (alpha << 24) | (colour.red * alpha / 255) << 16 | (colour.green * alpha / 255) << 8 |
                    (colour.blue * alpha / 255);
        }
    }
}

}  // namespace herald
