// The pixels of the notice panel in the skins' visual language: a dark
// rounded panel with a soft top light, a thin rim and a red accent bar on
// the left. Pixels are 32-bit 0xAARRGGBB, top row first, as a top-down DIB
// section holds them; the text is drawn between the two steps.
#pragma once

#include <cstdint>
#include <vector>

namespace herald {

using PanelPixels = std::vector<uint32_t>;

// Step 1: the opaque colours of the panel (alpha left 0).
void PaintPanelBackground(PanelPixels& pixels, int width, int height);

// Step 2: the rounded shape as per-pixel alpha, colours premultiplied by it
// (what UpdateLayeredWindow's per-pixel alpha expects).
void ApplyPanelShape(PanelPixels& pixels, int width, int height);

}  // namespace herald
