// Every fixed number and name the action engine uses: messages to the other
// programs and to its own host, timers, window titles and classes of the
// players and scroll targets, and the Win32 values the engine passes on to
// the input and window adapters unchanged (the adapters check them against
// <windows.h>).
#pragma once

#include <cstdint>

namespace actions {

// Windows found by title.
constexpr char kOptionWindowTitle[] = "TARVIK-Q7 Gaming Mouse Option";
constexpr char kDisplayWindowTitle[] = "Zelkor_510-7716_Gaming_Mouse_Normal_OSD";

// Messages to the other programs.
constexpr unsigned kMsgSlotChanged = 1255;             // to Option
constexpr unsigned kMsgSettingsChangedByMouse = 1257;  // to Option
constexpr unsigned kMsgDisplayNotice = 1324;           // to the display window

// wParam of the display notice.
constexpr uintptr_t kNoticeProfile = 40;
constexpr uintptr_t kNoticeText = 50;
constexpr uintptr_t kNoticeMacro = 70;
constexpr int kNoticeSlotShift = 16;  // lParam of the profile notice: slot << 16

// Timers of the agent window driven by the engine.
constexpr unsigned kTimerMediaRepeat = 101;
constexpr unsigned kTimerKeyRepeat = 102;
constexpr unsigned kMediaRepeatMilliseconds = 300;
constexpr unsigned kKeyFirstRepeatMilliseconds = 1000;
constexpr unsigned kKeyRepeatMilliseconds = 100;

// Device event types the state notice tells apart.
constexpr uint16_t kEventClassMask = 0xFF00;
constexpr uint16_t kEventProfileClass = 0x0800;
constexpr uint16_t kEventLevelClass = 0x0700;
constexpr uint16_t kEventSensitivity = 0xC000;
constexpr uint16_t kEventReportInterval = 0x01F2;
constexpr uint16_t kEventButton = 0x4000;

// Window messages.
constexpr unsigned kWmKeyDown = 0x0100;
constexpr unsigned kWmKeyUp = 0x0101;
constexpr unsigned kWmCommand = 0x0111;
constexpr unsigned kWmHScroll = 0x0114;
constexpr unsigned kWmAppCommand = 0x0319;

// Scroll bar codes and styles.
constexpr uintptr_t kSbLineLeft = 0;
constexpr uintptr_t kSbLineRight = 1;
constexpr uint32_t kStyleHScroll = 0x00100000;  // WS_HSCROLL
constexpr uint32_t kSbsVert = 0x01;
constexpr uint32_t kSbsSizeBox = 0x08;

// Virtual-key codes.
constexpr uint8_t kVkShift = 0x10;
constexpr uint8_t kVkControl = 0x11;
constexpr uint8_t kVkMenu = 0x12;
constexpr uint8_t kVkSpace = 0x20;
constexpr uint8_t kVkLeft = 0x25;
constexpr uint8_t kVkRight = 0x27;
constexpr uint8_t kVkLeftWindows = 0x5B;
constexpr uint8_t kVkRightWindows = 0x5C;
constexpr uint8_t kVkLeftShift = 0xA0;
constexpr uint8_t kVkRightShift = 0xA1;
constexpr uint8_t kVkLeftControl = 0xA2;
constexpr uint8_t kVkRightControl = 0xA3;
constexpr uint8_t kVkLeftMenu = 0xA4;
constexpr uint8_t kVkRightMenu = 0xA5;
constexpr uint8_t kVkVolumeMute = 0xAD;
constexpr uint8_t kVkVolumeDown = 0xAE;
constexpr uint8_t kVkVolumeUp = 0xAF;

// keybd_event flags.
constexpr uint32_t kKeyExtended = 0x0001;
constexpr uint32_t kKeyUp = 0x0002;

// mouse_event flags and X button data.
constexpr uint32_t kMouseLeftDown = 0x0002;
constexpr uint32_t kMouseLeftUp = 0x0004;
constexpr uint32_t kMouseRightDown = 0x0008;
constexpr uint32_t kMouseRightUp = 0x0010;
constexpr uint32_t kMouseMiddleDown = 0x0020;
constexpr uint32_t kMouseMiddleUp = 0x0040;
constexpr uint32_t kMouseXDown = 0x0080;
constexpr uint32_t kMouseXUp = 0x0100;
constexpr uint32_t kXButton1 = 1;
constexpr uint32_t kXButton2 = 2;

// Debug line of the macro player.
constexpr char kDebugMacroEnd[] = "g_iCurAction= %d,start=%d,end=%d\n";

}  // namespace actions
