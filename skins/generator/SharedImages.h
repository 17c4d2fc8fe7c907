// Images that several windows load by name from the skin folder: the slider
// thumbs and the looks of the skinned scroll bar.
#pragma once

#include "skins/generator/SkinPainter.h"

#include <vector>

// A thumb pointing down, kThumbWidth x kThumbHeight; its top-left pixel holds
// the key colour that the slider cuts from the thumb's shape.
Raster PaintThumbPointingDown();

// "scrollbar_parts.bmp": squares of kScrollPartSide pixels; columns normal,
// hover, pressed; rows arrow up, down, left, right, then the thumb.
constexpr int kScrollPartSide = 16;
constexpr int kScrollPartRows = 5;
Raster PaintScrollBarParts();

// The macro manager's record button: "start_record_<state>.jpg" with a
// round record mark and "stop_record_<state>.jpg" with a square stop mark,
// for the states normal, over and down; the layout's record button has
// this size.
constexpr int kRecordButtonWidth = 96;
constexpr int kRecordButtonHeight = 28;
Raster PaintRecordButton(bool stop, int state);

std::vector<GeneratedFile> BuildSharedImages();
