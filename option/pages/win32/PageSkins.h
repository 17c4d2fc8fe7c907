// Skin files and placement keys of the button assignment page and of the
// dialogs it opens.
#pragma once

#include <windows.h>

namespace buttonpage {
constexpr char kSkinFile[] = "skin_button_page.ini";
constexpr int kFirstButtonKey = 20;  // "20".."35": entries 0..15
constexpr int kFirstHoverTag = 200;  // hover tag of entry k: 200 + k
}  // namespace buttonpage

namespace shortcutdialog {
constexpr char kSkinFile[] = "skin_shortcut.ini";
constexpr char kTitle[] = "R.ZENT Shortcut Dialog";
constexpr int kOk = 2;
constexpr int kCancel = 3;
constexpr int kClose = 4;
constexpr int kFirstToggle = 5;  // "5".."9": modifier bits 0..4
constexpr int kToggleCount = 5;
constexpr int kKeyField = 10;
constexpr UINT kKeyFieldId = 4010;
constexpr UINT kKeyMessage = WM_USER + 10;  // 0x040A, wParam = virtual-key code
constexpr COLORREF kKeyFieldText = RGB(0, 0, 0);
constexpr COLORREF kKeyFieldBackground = RGB(255, 255, 255);
}  // namespace shortcutdialog

namespace playerdialog {
constexpr char kSkinFile[] = "skin_select_player.ini";
constexpr char kTitle[] = "Media Player";
constexpr int kPlayer = 1;
constexpr int kOk = 2;
constexpr int kCancel = 3;
constexpr int kClose = 4;
constexpr int kMenuWidth = 149;
// Menu identifiers: 1001 + MediaOption for the offered players.
constexpr UINT kWindowsMedia = 1001;
constexpr UINT kITunes = 1002;
constexpr UINT kWinamp = 1004;
constexpr UINT kFirstPlayerId = 1001;
}  // namespace playerdialog

namespace macrodialog {
constexpr char kSkinFile[] = "skin_select_macro.ini";
constexpr char kTitle[] = "Select Macro";
constexpr int kMacro = 1;
constexpr int kOk = 2;
constexpr int kCancel = 3;
constexpr int kClose = 4;
constexpr int kFirstOption = 5;  // "5".."7": macro options 0..2
constexpr int kOptionCount = 3;
constexpr int kMenuWidth = 139;
}  // namespace macrodialog

namespace programdialog {
constexpr char kSkinFile[] = "skin_lanuch_program.ini";
constexpr char kTitle[] = "Launch Program";
constexpr int kPathField = 1;
constexpr int kBrowse = 2;
constexpr int kOk = 3;
constexpr int kCancel = 4;
constexpr int kClose = 5;
constexpr UINT kPathFieldId = 4011;
constexpr int kPathLimit = 261;
}  // namespace programdialog
