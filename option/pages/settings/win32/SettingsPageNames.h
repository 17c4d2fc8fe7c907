// Fixed names and numbers of the resolution, performance and lighting pages:
// skin files, placement keys, control identifiers, window classes and the
// level controls' message.
#pragma once

#include <windows.h>

// Sent by a level control to its page: wParam (kind << 16) | value, lParam its identifier.
constexpr UINT MSG_DPI_LEVEL = 0x0468;  // WM_USER + 104

constexpr char kThumbDownImage[] = "scroll_arrow_down.bmp";
constexpr char kThumbUpImage[] = "scroll_arrow_up.bmp";

namespace performance {
constexpr char kSkinFile[] = "skin_performance.ini";
constexpr char kWindowClass[] = "PerformancePage";
constexpr int kFirstResolution = 2;   // "2".."9": choices 1..8
constexpr int kFirstReportRate = 10;  // "10".."13": PollingRate 0..3
constexpr int kFirstWheelMode = 14;   // "14", "15"
constexpr int kFirstScrollLines = 20; // "20".."29": 1..10 lines
constexpr int kOk = 30;
constexpr int kCancel = 31;
constexpr int kFirstDoubleClick = 32; // "32".."41": steps 1..10
constexpr int kFirstPointerSpeed = 42;  // "42".."51": steps 1..10
constexpr int kAcceleration = 52;
// The sliders each have a place of their own, beside their scale.
constexpr int kDoubleClickSlider = 60;
constexpr int kPointerSpeedSlider = 61;
constexpr int kScrollLinesSlider = 62;
constexpr int kTiltSpeedSlider = 63;
constexpr int kResolutionLabel = 64;
constexpr UINT kDoubleClickSliderId = 201;
constexpr UINT kPointerSpeedSliderId = 202;
constexpr UINT kScrollLinesSliderId = 203;
constexpr UINT kTiltSpeedSliderId = 204;
}  // namespace performance

namespace resolution {
constexpr char kSkinFile[] = "skin_DPI.ini";
constexpr char kWindowClass[] = "ResolutionPage";
constexpr int kLink = 2;
constexpr int kSensitivityX = 3;
constexpr int kSensitivityY = 4;
constexpr int kFirstLevel = 5;    // "5".."9"
constexpr int kFirstColour = 10;  // "10".."14"
constexpr int kDefaults = 20;
constexpr int kCopyToAllSlots = 21;
constexpr UINT kSensitivityXId = 201;
constexpr UINT kSensitivityYId = 202;
constexpr int kSensitivityMinimum = 0;
constexpr int kSensitivityMaximum = 10;
}  // namespace resolution

namespace level {
constexpr char kSkinFile[] = "skin_dpi_level.ini";
constexpr char kWindowClass[] = "ResolutionLevelControl";
constexpr int kEnable = 1;
constexpr int kCurrent = 2;
constexpr int kValueSlider = 3;
constexpr int kValueText = 4;
constexpr int kFirstPreset = 5;  // "5".."12": values 1..8
constexpr UINT kValueSliderId = 300;
}  // namespace level

namespace colour {
constexpr char kSkinFile[] = "skin_dpi_color.ini";
constexpr char kWindowClass[] = "ColourDialog";
constexpr int kField = 1;
constexpr int kFirstBox = 2;  // "2".."4": red, green, blue
constexpr int kSwatch = 5;
constexpr int kOk = 6;
constexpr int kCancel = 7;
constexpr int kClose = 8;
}  // namespace colour

namespace lighting {
constexpr char kSkinFile[] = "skin_light_setting.ini";
constexpr char kWindowClass[] = "LightingPage";
constexpr char kSubPageClass[] = "LightingSubPage";
constexpr int kModeButton = 1;
constexpr int kSubPageArea = 2;
constexpr int kFirstSelector = 3;  // "3".."6": modes 0..3
constexpr UINT kSpeedSliderId = 200;
constexpr UINT kIntensitySliderId = 201;
constexpr UINT kSpecialSpeedBoxId = 400;
constexpr char kDanSeSkinFile[] = "skin_danse_light.ini";
constexpr char kDanDianSkinFile[] = "skin_dandian_light.ini";
constexpr char kXuanCaiSkinFile[] = "skin_xuancai_light.ini";
constexpr char kQiSeSkinFile[] = "skin_qise_light.ini";
}  // namespace lighting
