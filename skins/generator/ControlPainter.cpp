#include "skins/generator/ControlPainter.h"

#include "skins/generator/SkinPainter.h"
#include "skins/generator/VisualStyle.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const style::ButtonColours& ButtonColoursFor(ImageState state) {
    switch (state) {
    case ImageState::Over: return style::kButtonOver;
    case ImageState::Down: return style::kButtonDown;
    case ImageState::Disabled: return style::kButtonDisabled;
    case ImageState::Normal: break;
    }
    return style::kButtonNormal;
}

TextAlign AlignOf(const std::string& word, TextAlign fallback) {
    if (word == "left") return TextAlign::Left;
    if (word == "right") return TextAlign::Right;
    if (word == "centre") return TextAlign::Centre;
    return fallback;
}

void PaintText(Raster& picture, TextRasterizer& text, const Box& box, const std::string& words,
               const style::FontStyle& font, TextAlign align, bool wrap, Colour colour) {
    if (words.empty() || box.width <= 0 || box.height <= 0) return;
    TextRequest request{words, font, box.width, box.height, align, wrap};
    picture.DrawCoverage(box.x, box.y, text.Render(request), colour);
}

void FillRoundGradient(Raster& picture, const Box& box, int radius, Colour top, Colour bottom) {
    for (int y = box.y; y < box.Bottom(); ++y) {
        int amount = box.height > 1 ? (y - box.y) * 255 / (box.height - 1) : 0;
        Colour row = Mix(top, bottom, amount);
        for (int x = box.x; x < box.Right(); ++x) picture.Blend(x, y, row, RoundBoxCoverage(box, radius, x, y));
    }
}

// A sunken well: border colour outside, face inside.
void PaintWell(Raster& picture, const Box& box, int radius, Colour border, Colour face) {
    picture.FillRoundBox(box, radius, border);
    picture.FillRoundBox(box.Inset(1), std::max(0, radius - 1), face);
}

void PaintCross(Raster& picture, const Box& box, Colour colour) {
    double cx = box.x + box.width / 2.0, cy = box.y + box.height / 2.0;
    double arm = std::min(box.width, box.height) * 0.22, half = 0.85;
    picture.FillPolygon({cx - arm - half, cy - arm + half, cx - arm + half, cy - arm - half, cx + arm + half,
                         cy + arm - half, cx + arm - half, cy + arm + half},
                        colour);
    picture.FillPolygon({cx + arm - half, cy - arm - half, cx + arm + half, cy - arm + half, cx - arm + half,
                         cy + arm + half, cx - arm - half, cy + arm - half},
                        colour);
}

void PaintDash(Raster& picture, const Box& box, Colour colour) {
    int length = std::min(box.width, box.height) / 2;
    picture.FillBox(Box{box.x + (box.width - length) / 2, box.y + box.height / 2, length, 2}, colour);
}

void PaintChevron(Raster& picture, const Box& box, Colour colour) {
    double cx = box.Right() - 12.0, cy = box.y + box.height / 2.0;
    picture.FillPolygon({cx - 4, cy - 2, cx + 4, cy - 2, cx, cy + 3}, colour);
}

void PaintLamp(Raster& picture, const Box& box, bool round, ImageState state) {
    Box lamp{box.x + 8, box.y + (box.height - style::kLampSize) / 2, style::kLampSize, style::kLampSize};
    Colour face = state == ImageState::Down       ? style::kLampOn
                  : state == ImageState::Disabled ? style::kButtonDisabled.border
                                                 : style::kLampOff;
    int radius = round ? style::kLampSize / 2 : 2;
    picture.FillRoundBox(lamp, radius, style::kLampOffRim);
    picture.FillRoundBox(lamp.Inset(1), std::max(0, radius - 1), face);
}

// A check box: a small square, ticked in the Down look (checked), with its
// label on the window's background.
void PaintCheckBox(Raster& picture, const LayoutElement& element, ImageState state, TextRasterizer& text) {
    const Box& box = element.box;
    const int side = style::kLampSize + 2;
    Box square{box.x + 2, box.y + (box.height - side) / 2, side, side};
    Colour rim = state == ImageState::Over ? style::kAccent : style::kWellBorder;
    Colour label = state == ImageState::Disabled ? style::kTextDisabled : style::kText;
    picture.FillRoundBox(square, 2, rim);
    picture.FillRoundBox(square.Inset(1), 1, style::kWellFace);
    if (state == ImageState::Down) {
        double x = square.x, y = square.y, s = side;
        picture.FillPolygon({x + 0.2 * s, y + 0.5 * s, x + 0.42 * s, y + 0.72 * s, x + 0.8 * s, y + 0.22 * s,
                             x + 0.9 * s, y + 0.32 * s, x + 0.42 * s, y + 0.9 * s, x + 0.1 * s, y + 0.6 * s},
                            style::kAccentBright);
    }
    int textLeft = 2 + side + 6;
    Box place{box.x + textLeft, box.y, box.width - textLeft, box.height};
    PaintText(picture, text, place, element.label, style::kCaptionFont, TextAlign::Left, false, label);
}

void PaintButton(Raster& picture, const LayoutElement& element, ImageState state, TextRasterizer& text) {
    const Box& box = element.box;
    const style::ButtonColours& colours = ButtonColoursFor(state);
    const std::string& kind = element.style;
    if (kind == "check") return PaintCheckBox(picture, element, state, text);
    if (kind == "close" || kind == "minimise") {
        Colour glyph = state == ImageState::Normal ? style::kTextDim : state == ImageState::Disabled ? style::kTextDisabled : style::kSelectedText;
        if (state == ImageState::Over) picture.FillRoundBox(box, style::kButtonRadius, style::kAccent);
        if (state == ImageState::Down) picture.FillRoundBox(box, style::kButtonRadius, style::kAccentDark);
        if (kind == "close") PaintCross(picture, box, glyph);
        else PaintDash(picture, box, glyph);
        return;
    }
    if (kind == "tab") {
        if (state != ImageState::Normal && state != ImageState::Disabled)
            picture.FillBox(box, state == ImageState::Down ? style::kPanel : style::kButtonOver.faceBottom);
        if (state == ImageState::Down) picture.FillBox(Box{box.x, box.Bottom() - 3, box.width, 3}, style::kAccent);
        Colour label = state == ImageState::Normal ? style::kTextDim : colours.label;
        PaintText(picture, text, box, element.label, style::kTitleFont, TextAlign::Centre, false, label);
        return;
    }
    Colour border = kind == "primary" && state == ImageState::Normal ? style::kPrimaryBorder : colours.border;
    bool arrow = kind == "up" || kind == "down" || kind == "left" || kind == "right";
    PaintButtonFace(picture, box, arrow ? 2 : style::kButtonRadius, colours, border);
    if (arrow) {
        PaintArrowGlyph(picture, box, kind, colours.label);
    } else if (kind == "toggle" || kind == "option") {
        PaintLamp(picture, box, kind == "option", state);
        int textLeft = 8 + style::kLampSize + 6;
        Box label{box.x + textLeft, box.y, box.width - textLeft - 4, box.height};
        PaintText(picture, text, label, element.label, style::kCaptionFont, TextAlign::Left, false, colours.label);
    } else if (kind == "menu") {
        // The caption is drawn at run time from x = 10; only the chevron is ours.
        PaintChevron(picture, box, colours.label);
    } else {
        PaintText(picture, text, box, element.label, style::kCaptionFont, TextAlign::Centre, false, colours.label);
    }
}

void PaintSwatch(Raster& picture, const Box& box, ImageState state) {
    // Only the ring around the run-time colour square stays visible.
    Colour ring = state == ImageState::Over       ? Rgb(190, 190, 190)
                  : state == ImageState::Down     ? style::kAccent
                  : state == ImageState::Disabled ? Rgb(48, 48, 48)
                                                 : style::kWellBorder;
    picture.FillRoundBox(box, 3, ring);
    picture.FillBox(box.Inset(2), style::kWellFace);
}

void PaintTicks(Raster& picture, const Box& box, int ticks, bool vertical) {
    if (ticks < 2) return;
    int along = vertical ? box.height : box.width;
    int usable = along - style::kThumbWidth;
    for (int i = 0; i < ticks; ++i) {
        // The thumb's centre at value i, as the slider places it.
        int at = style::kThumbWidth / 2 + usable * i / (ticks - 1);
        for (int d = 0; d < 3; ++d) {
            if (vertical) {
                picture.Set(box.x + d, box.y + at, style::kTick);
                picture.Set(box.Right() - 1 - d, box.y + at, style::kTick);
            } else {
                picture.Set(box.x + at, box.y + d, style::kTick);
                picture.Set(box.x + at, box.Bottom() - 1 - d, style::kTick);
            }
        }
    }
}

void PaintSlider(Raster& picture, const LayoutElement& element, bool vertical) {
    const Box& box = element.box;
    const int half = style::kThumbWidth / 2, thickness = style::kGrooveThickness;
    Box groove = vertical ? Box{box.x + (box.width - thickness) / 2, box.y + half, thickness, box.height - 2 * half}
                          : Box{box.x + half, box.y + (box.height - thickness) / 2, box.width - 2 * half, thickness};
    PaintWell(picture, groove, 2, style::kWellBorder, style::kGroove);
    PaintTicks(picture, box, element.ticks, vertical);
}

void PaintFillBar(Raster& picture, const Box& box, ImageState state) {
    if (state == ImageState::Down) {
        picture.FillRoundBox(box, 3, style::kAccentDark);
        FillRoundGradient(picture, box.Inset(1), 2, style::kFillTop, style::kFillBottom);
    } else {
        PaintWell(picture, box, 3, style::kWellBorder, state == ImageState::Disabled ? style::kBackground : style::kGroove);
    }
}

void PaintValueBox(Raster& picture, const LayoutElement& element, ImageState state) {
    // The value box puts its up and down buttons in a column half as wide
    // as the box is high at the right edge, up above down, and its number
    // field in the rest; the looks are cut from these places.
    const Box& box = element.box;
    int column = box.height / 2;
    Box field{box.x, box.y, box.width - column, box.height};
    Box up{box.Right() - column, box.y, column, box.height / 2};
    Box down{box.Right() - column, box.y + box.height / 2, column, box.height - box.height / 2};
    PaintWell(picture, field, 2, style::kFieldBorder,
              state == ImageState::Disabled ? style::kFieldFaceDisabled : style::kFieldFace);
    const style::ButtonColours& colours = ButtonColoursFor(state);
    for (const Box& part : {up, down}) PaintButtonFace(picture, part, 2, colours, colours.border);
    PaintArrowGlyph(picture, up, "up", colours.label);
    PaintArrowGlyph(picture, down, "down", colours.label);
}

// The outline of the mouse's body: an egg, narrower at the front (top).
std::vector<double> MouseOutline(const Box& box, double inset) {
    const double centreX = box.x + box.width / 2.0, centreY = box.y + box.height / 2.0;
    const double halfWidth = box.width / 2.0 - inset, halfHeight = box.height / 2.0 - inset;
    std::vector<double> points;
    for (int step = 0; step < style::kMouseOutlineSteps; ++step) {
        const double angle = 2 * style::kPi * step / style::kMouseOutlineSteps;
        const double narrowing = 1.0 - style::kMouseFrontNarrowing * (1 + std::cos(angle)) / 2;
        points.push_back(centreX + halfWidth * std::sin(angle) * narrowing);
        points.push_back(centreY - halfHeight * std::cos(angle));
    }
    return points;
}

// The part of an outline above a height, closed along that height.
std::vector<double> OutlineAbove(const std::vector<double>& outline, double height) {
    std::vector<double> part;
    for (size_t i = 0; i < outline.size(); i += 2) {
        part.push_back(outline[i]);
        part.push_back(std::min(outline[i + 1], height));
    }
    return part;
}

void FillThickLine(Raster& picture, double x1, double y1, double x2, double y2, double width, Colour colour) {
    const double length = std::hypot(x2 - x1, y2 - y1);
    if (length <= 0) return;
    const double nx = -(y2 - y1) / length * width / 2, ny = (x2 - x1) / length * width / 2;
    picture.FillPolygon({x1 + nx, y1 + ny, x2 + nx, y2 + ny, x2 - nx, y2 - ny, x1 - nx, y1 - ny}, colour);
}

void PaintMouse(Raster& picture, const Box& box) {
    const double centreX = box.x + box.width / 2.0;
    const double split = box.y + box.height * style::kMouseButtonDepth;
    picture.FillPolygon(MouseOutline(box, 0), style::kMouseRim);
    const std::vector<double> body = MouseOutline(box, style::kMouseRimWidth);
    picture.FillPolygon(body, style::kMouseBody);
    // The main buttons are lighter than the palm; a seam parts them.
    picture.FillPolygon(OutlineAbove(body, split), style::kMouseButtons);
    FillThickLine(picture, centreX, box.y + style::kMouseRimWidth, centreX, split, style::kMouseSeamWidth,
                  style::kMouseRim);
    // The wheel in its slot, and a red stripe along the palm.
    const int wheelWidth = box.width / 8, wheelTop = box.y + box.height / 10, wheelHeight = box.height / 6;
    const Box slot{static_cast<int>(centreX) - wheelWidth / 2 - 2, wheelTop - 2, wheelWidth + 4, wheelHeight + 4};
    picture.FillRoundBox(slot, 3, style::kWellFace);
    const Box wheel{static_cast<int>(centreX) - wheelWidth / 2, wheelTop, wheelWidth, wheelHeight};
    picture.FillRoundBox(wheel, wheelWidth / 2, style::kMouseRim);
    for (int ridge = wheel.y + 3; ridge < wheel.Bottom() - 2; ridge += 4)
        picture.FillBox(Box{wheel.x + 2, ridge, wheel.width - 4, 1}, style::kAccentDark);
    const int stripeTop = box.y + static_cast<int>(box.height * style::kMouseStripeStart);
    picture.FillRoundBox(Box{static_cast<int>(centreX) - 2, stripeTop, 4, box.height / 6}, 2, style::kAccent);
}

void PaintPad(Raster& picture, const Box& box) {
    picture.FillRoundBox(box, style::kButtonRadius, style::kMouseRim);
    picture.FillRoundBox(box.Inset(1), style::kButtonRadius - 1, style::kMouseButtons);
}

void PaintLine(Raster& picture, const LayoutElement& element) {
    FillThickLine(picture, element.box.x + 0.5, element.box.y + 0.5, element.endX + 0.5, element.endY + 0.5,
                  style::kCalloutWidth, style::kCallout);
    const int radius = style::kCalloutDotRadius;
    picture.FillRoundBox(Box{element.endX - radius, element.endY - radius, 2 * radius + 1, 2 * radius + 1}, radius,
                         style::kAccent);
}

}  // namespace

void PaintButtonFace(Raster& picture, const Box& box, int radius, const style::ButtonColours& colours,
                     Colour border) {
    FillRoundGradient(picture, box, radius, colours.faceTop, colours.faceBottom);
    picture.FrameRoundBox(box, radius, border);
}

void PaintArrowGlyph(Raster& picture, const Box& box, const std::string& direction, Colour colour) {
    double cx = box.x + box.width / 2.0, cy = box.y + box.height / 2.0;
    double size = std::max(2.0, std::min(box.width, box.height) * 0.22);
    if (direction == "up") picture.FillPolygon({cx - size * 1.3, cy + size * 0.6, cx + size * 1.3, cy + size * 0.6, cx, cy - size * 0.8}, colour);
    else if (direction == "down") picture.FillPolygon({cx - size * 1.3, cy - size * 0.6, cx + size * 1.3, cy - size * 0.6, cx, cy + size * 0.8}, colour);
    else if (direction == "left") picture.FillPolygon({cx + size * 0.6, cy - size * 1.3, cx + size * 0.6, cy + size * 1.3, cx - size * 0.8, cy}, colour);
    else if (direction == "right") picture.FillPolygon({cx - size * 0.6, cy - size * 1.3, cx - size * 0.6, cy + size * 1.3, cx + size * 0.8, cy}, colour);
}

bool WindowCutsPixel(const Layout& layout, int x, int y) {
    if (layout.rectangular) return false;
    return RoundBoxCoverage(Box{0, 0, layout.width, layout.height}, style::kWindowRadius, x, y) < 128;
}

void PaintWindow(Raster& picture, const Layout& layout, TextRasterizer& text) {
    Box window{0, 0, layout.width, layout.height};
    picture.FillBox(window, style::kBackground);
    if (!layout.title.empty()) {
        picture.FillVerticalGradient(Box{0, 0, layout.width, style::kTitleHeight}, style::kTitleTop, style::kTitleBottom);
        picture.FillBox(Box{0, style::kTitleHeight - 1, layout.width, 1}, style::kAccent);
        picture.FillBox(Box{12, (style::kTitleHeight - 14) / 2, 3, 14}, style::kAccent);
        PaintText(picture, text, Box{22, 0, layout.width - 60, style::kTitleHeight - 1}, layout.title, style::kTitleFont,
                  TextAlign::Left, false, style::kText);
    }
    picture.FrameRoundBox(window, layout.rectangular ? 0 : style::kWindowRadius, style::kWindowBorder);
}

void PaintElement(Raster& picture, const LayoutElement& element, ImageState state, TextRasterizer& text) {
    const Box& box = element.box;
    switch (element.kind) {
    case ElementKind::Button: PaintButton(picture, element, state, text); break;
    case ElementKind::Swatch: PaintSwatch(picture, box, state); break;
    case ElementKind::Slider: PaintSlider(picture, element, false); break;
    case ElementKind::VSlider: PaintSlider(picture, element, true); break;
    case ElementKind::FillBar: PaintFillBar(picture, box, state); break;
    case ElementKind::Field:
        PaintWell(picture, box, 2, style::kFieldBorder,
                  state == ImageState::Disabled ? style::kFieldFaceDisabled : style::kFieldFace);
        break;
    case ElementKind::ValueBox: PaintValueBox(picture, element, state); break;
    case ElementKind::List: PaintWell(picture, box, 3, style::kWellBorder, style::kWellFace); break;
    case ElementKind::ScrollBar: PaintWell(picture, box, 0, style::kWellBorder, style::kGroove); break;
    case ElementKind::Panel:
        PaintWell(picture, box, style::kPanelRadius, style::kPanelBorder, style::kPanel);
        PaintText(picture, text, Box{box.x + 10, box.y + 4, box.width - 20, 16}, element.label, style::kLabelFont,
                  TextAlign::Left, false, style::kTextDim);
        break;
    case ElementKind::Text:
        PaintText(picture, text, box, element.label, style::kCaptionFont, AlignOf(element.align, TextAlign::Centre),
                  element.wrap, style::kText);
        break;
    case ElementKind::Mouse: PaintMouse(picture, box); break;
    case ElementKind::Pad: PaintPad(picture, box); break;
    case ElementKind::Line: PaintLine(picture, element); break;
    case ElementKind::Area: break;
    }
}
