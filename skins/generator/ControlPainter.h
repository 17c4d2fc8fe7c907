// Draws one layout element, or the window around them, in one state.
#pragma once

#include "skins/generator/Layout.h"
#include "skins/generator/Raster.h"
#include "skins/generator/TextRasterizer.h"
#include "skins/generator/VisualStyle.h"

enum class ImageState;

// Background, frame and title bar: the same in every state image.
void PaintWindow(Raster& picture, const Layout& layout, TextRasterizer& text);

void PaintElement(Raster& picture, const LayoutElement& element, ImageState state, TextRasterizer& text);

// Pixels whose coverage by the window outline is below half are cut away.
bool WindowCutsPixel(const Layout& layout, int x, int y);

// A raised button face: rounded gradient with a 1-pixel border.
void PaintButtonFace(Raster& picture, const Box& box, int radius, const style::ButtonColours& colours,
                     Colour border);

// Arrow glyph (a filled triangle) pointing "up", "down", "left" or "right"
// centred in the box.
void PaintArrowGlyph(Raster& picture, const Box& box, const std::string& direction, Colour colour);
