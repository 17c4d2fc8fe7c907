// The look shared by every skin: colours, fonts and metrics. Layouts name
// control kinds and styles; only this file says what they look like.
#pragma once

#include "skins/generator/Raster.h"

namespace style {

// The popup menus draw with the same three colours at run time.
constexpr Colour kBackground = Rgb(30, 30, 30);
constexpr Colour kAccent = Rgb(230, 30, 30);
constexpr Colour kText = Rgb(240, 240, 240);

constexpr Colour kAccentDark = Rgb(150, 18, 18);
constexpr Colour kAccentBright = Rgb(255, 72, 60);
constexpr Colour kWindowBorder = Rgb(72, 72, 72);
constexpr Colour kTitleTop = Rgb(50, 50, 50);
constexpr Colour kTitleBottom = Rgb(34, 34, 34);
constexpr Colour kPanel = Rgb(38, 38, 38);
constexpr Colour kPanelBorder = Rgb(60, 60, 60);
constexpr Colour kTextDim = Rgb(150, 150, 150);
constexpr Colour kTextDisabled = Rgb(96, 96, 96);
constexpr Colour kSelectedText = Rgb(255, 255, 255);

// Buttons: face gradient top/bottom, border and label for each state.
struct ButtonColours {
    Colour faceTop;
    Colour faceBottom;
    Colour border;
    Colour label;
};
constexpr ButtonColours kButtonNormal{Rgb(64, 64, 64), Rgb(46, 46, 46), Rgb(86, 86, 86), kText};
constexpr ButtonColours kButtonOver{Rgb(78, 78, 78), Rgb(58, 58, 58), kAccent, kSelectedText};
constexpr ButtonColours kButtonDown{Rgb(200, 28, 28), Rgb(150, 18, 18), kAccentBright, kSelectedText};
constexpr ButtonColours kButtonDisabled{Rgb(42, 42, 42), Rgb(38, 38, 38), Rgb(54, 54, 54), kTextDisabled};
// The default button of a dialog keeps a red rim when idle.
constexpr Colour kPrimaryBorder = Rgb(170, 26, 26);

// Indicator lamp of toggle and option buttons.
constexpr Colour kLampOff = Rgb(70, 70, 70);
constexpr Colour kLampOffRim = Rgb(24, 24, 24);
constexpr Colour kLampOn = Rgb(255, 64, 52);

// Sunken wells: text fields (light, as the dialogs set black on 229 grey),
// lists and grooves (dark).
constexpr Colour kFieldFace = Rgb(229, 229, 229);
constexpr Colour kFieldBorder = Rgb(96, 96, 96);
constexpr Colour kFieldFaceDisabled = Rgb(120, 120, 120);
constexpr Colour kWellFace = Rgb(20, 20, 20);
constexpr Colour kWellBorder = Rgb(64, 64, 64);
constexpr Colour kGroove = Rgb(14, 14, 14);
constexpr Colour kTick = Rgb(92, 92, 92);
constexpr Colour kFillTop = Rgb(255, 70, 56);
constexpr Colour kFillBottom = Rgb(170, 20, 20);

// Slider thumbs: the top-left pixel's colour is cut from the thumb's shape,
// so it must never occur inside the thumb.
constexpr Colour kThumbKey = Rgb(255, 0, 255);
constexpr Colour kThumbFace = Rgb(230, 30, 30);
constexpr Colour kThumbHighlight = Rgb(255, 110, 100);
constexpr Colour kThumbRim = Rgb(110, 12, 12);

// Metrics.
constexpr int kWindowRadius = 9;
constexpr int kTitleHeight = 30;
constexpr int kButtonRadius = 4;
constexpr int kPanelRadius = 5;
constexpr int kLampSize = 8;

// Fonts (face, cell height, weight) as the toolkit uses them.
struct FontStyle {
    const char* face;
    int height;
    int weight;
};
constexpr FontStyle kCaptionFont{"Arial", 14, 400};
constexpr FontStyle kTitleFont{"Arial", 14, 700};
constexpr FontStyle kLabelFont{"Arial", 12, 700};
constexpr FontStyle kGlyphFont{"Arial", 16, 700};

}  // namespace style

namespace style {

// The mouse drawn on the main window and its callouts.
constexpr Colour kMouseRim = Rgb(96, 96, 96);
constexpr Colour kMouseBody = Rgb(44, 44, 44);
constexpr Colour kMouseButtons = Rgb(58, 58, 58);
constexpr Colour kCallout = Rgb(120, 120, 120);
constexpr int kMouseOutlineSteps = 96;
constexpr double kPi = 3.14159265358979323846;
constexpr double kMouseFrontNarrowing = 0.2;  // the front is this much narrower than the back
constexpr double kMouseButtonDepth = 0.36;    // the main buttons end at this part of the length
constexpr double kMouseStripeStart = 0.68;
constexpr double kMouseRimWidth = 2.0;
constexpr double kMouseSeamWidth = 2.0;
constexpr double kCalloutWidth = 1.2;
constexpr int kCalloutDotRadius = 3;

// Slider thumbs ("scroll_arrow_down.bmp" and friends): a horizontal slider's
// thumb is kThumbWidth wide and as high as its track should be.
constexpr int kThumbWidth = 11;
constexpr int kThumbHeight = 15;
constexpr int kGrooveThickness = 5;

}  // namespace style
