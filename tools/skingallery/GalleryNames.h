// Fixed names and numbers of the skin gallery: window titles, skin files,
// placement keys, control identifiers and menu commands.
#pragma once

#include <windows.h>

namespace gallery {

constexpr char kButtonWindowTitle[] = "Skin Gallery - Buttons";
constexpr char kValueWindowTitle[] = "Skin Gallery - Values";
constexpr char kButtonWindowClass[] = "SkinGalleryButtons";
constexpr char kValueWindowClass[] = "SkinGalleryValues";
constexpr char kButtonSkinFile[] = "skin_gallery_buttons.ini";
constexpr char kValueSkinFile[] = "skin_gallery_values.ini";

// Images of the skin folder used beside the skin files.
constexpr char kThumbDownImage[] = "scroll_arrow_down.bmp";
constexpr char kThumbUpImage[] = "scroll_arrow_up.bmp";
constexpr char kThumbVerticalImage[] = "slider_thumb_vertical.bmp";
constexpr char kScrollPartsImage[] = "scrollbar_parts.bmp";
// "scrollbar_parts.bmp": 16-pixel squares; columns normal, hover, pressed;
// rows arrow up, down, left, right, thumb.
constexpr int kScrollPartSide = 16;
constexpr int kScrollPartUpRow = 0;
constexpr int kScrollPartDownRow = 1;
constexpr int kScrollPartThumbRow = 4;

// Button window keys.
namespace buttons {
constexpr int kClose = 1;
constexpr int kMinimise = 2;
constexpr int kApply = 3;
constexpr int kOk = 4;
constexpr int kDisabled = 5;
constexpr int kPlayer = 6;
constexpr int kFirstToggle = 7;   // 7, 8, 9
constexpr int kFirstOption = 10;  // 10, 11, 12
constexpr int kFirstTab = 13;     // 13, 14, 15
constexpr int kFirstSwatch = 16;  // 16 .. 19
constexpr int kClickArea = 20;
constexpr int kHintArea = 21;
constexpr int kFirstCheckBox = 22;  // 22, 23
constexpr int kCheckBoxCount = 2;
constexpr int kToggleCount = 3;
constexpr int kOptionCount = 3;
constexpr int kTabCount = 3;
constexpr int kSwatchCount = 4;
}  // namespace buttons

// Player menu, as the select-player dialog offers it, plus a submenu.
constexpr int kPlayerMenuWidth = 149;
constexpr UINT kMenuWindowsMedia = 1001;
constexpr UINT kMenuITunes = 1002;
constexpr UINT kMenuRealPlayer = 1003;
constexpr UINT kMenuWinamp = 1004;
constexpr UINT kMenuSeparator = 2048;
constexpr UINT kMenuMoreBase = 1010;  // submenu items 1010, 1011

// Value window keys and control identifiers.
namespace values {
constexpr int kClose = 1;
constexpr int kSpeedSlider = 2;
constexpr int kSpeedLabel = 3;
constexpr int kFineSlider = 4;
constexpr int kFineLabel = 5;
constexpr int kFillBar = 6;
constexpr int kFillLabel = 7;
constexpr int kVerticalSlider = 8;
constexpr int kStepBox = 9;
constexpr int kTableBox = 10;
constexpr int kNumericField = 11;
constexpr int kList = 12;
constexpr int kScrollBar = 13;
constexpr int kNewRow = 14;
constexpr int kRename = 15;
constexpr int kListLabel = 16;

constexpr UINT kSpeedSliderId = 201;
constexpr UINT kFineSliderId = 202;
constexpr UINT kFillBarId = 203;
constexpr UINT kVerticalSliderId = 204;
constexpr UINT kStepBoxId = 400;
constexpr UINT kTableBoxId = 401;
constexpr UINT kNumericFieldId = 4010;
constexpr UINT kListId = 403;
constexpr UINT kScrollBarId = 404;
constexpr LPARAM kListTag = 12;
constexpr int kStartRows = 12;
}  // namespace values

}  // namespace gallery
