// Layout sources: one text file per skinned window that says where each
// control is and what kind it is. The skin description file and all state
// images are made from it, so rectangles and pictures always agree.
//
//   window <skin file name without .ini> <width> <height>
//   title "<text>"
//   shape rectangle          (optional: square corners, for pages placed in
//                             another window)
//   mask "<file name>"       (optional: the mask image's file name)
//   <kind> <key or -> <x> <y> <width> <height> [attribute value]...
//   line - <x1> <y1> <x2> <y2>     (a callout from (x1, y1) to a dot at (x2, y2))
//
// Attributes: name <word> (label field of the entry), label "<text>",
// hint "<text>", style <word>, ticks <count>, align left|centre|right,
// wrap yes|no. Lines starting with # are comments.
#pragma once

#include "skins/generator/Raster.h"

#include <string>
#include <vector>

enum class ElementKind {
    Button,     // styles: plain, primary, tab, menu, toggle, option, close, minimise, up, down, left, right, check
    Swatch,     // colour swatch button, at least 36 x 36
    Slider,     // horizontal track
    VSlider,    // vertical track
    FillBar,    // empty look in Normal, full look in Down
    Field,      // light text well
    ValueBox,   // number well with up and down arrows on the right
    List,       // dark well for a skin list
    ScrollBar,  // dark groove for a skinned scroll bar
    Area,       // a rectangle only; nothing drawn
    Panel,      // decoration: a group frame with a heading
    Text,       // decoration: text drawn into every state image
    Mouse,      // decoration: the mouse seen from above, front at the top
    Pad,        // decoration: a small button drawn on the mouse
    Line,       // decoration: a callout line ending in a dot
};

struct LayoutElement {
    ElementKind kind = ElementKind::Area;
    std::string key;  // empty: no placement entry
    Box box;
    int endX = 0;  // line: the end with the dot
    int endY = 0;
    std::string name;
    std::string label;
    std::string hint;
    std::string style;
    int ticks = 0;
    std::string align;
    bool wrap = false;
    int line = 0;  // source line, for messages
};

struct Layout {
    std::string skinName;  // e.g. skin_click_warn
    int width = 0;
    int height = 0;
    std::string title;
    bool rectangular = false;
    std::string maskFile;  // empty: the name ImageFileName gives
    std::vector<LayoutElement> elements;

    std::string IniFileName() const { return skinName + ".ini"; }
    // Image file names share the skin's name without its "skin_" prefix.
    std::string ImageFileName(const std::string& state) const;
    std::string MaskFileName() const { return maskFile.empty() ? ImageFileName("mask") : maskFile; }
};

// Parses and checks a layout source. On failure returns false and a message
// with the line number.
bool ParseLayout(const std::string& source, Layout& layout, std::string& error);
