#include "monitor/actions/win32/Win32Input.h"

#include "monitor/actions/ActionConstants.h"

#include <windows.h>

namespace actions {

static_assert(kKeyExtended == KEYEVENTF_EXTENDEDKEY && kKeyUp == KEYEVENTF_KEYUP);
static_assert(kMouseLeftDown == MOUSEEVENTF_LEFTDOWN && kMouseLeftUp == MOUSEEVENTF_LEFTUP);
static_assert(kMouseRightDown == MOUSEEVENTF_RIGHTDOWN && kMouseRightUp == MOUSEEVENTF_RIGHTUP);
static_assert(kMouseMiddleDown == MOUSEEVENTF_MIDDLEDOWN && kMouseMiddleUp == MOUSEEVENTF_MIDDLEUP);
static_assert(kMouseXDown == MOUSEEVENTF_XDOWN && kMouseXUp == MOUSEEVENTF_XUP);
static_assert(kXButton1 == XBUTTON1 && kXButton2 == XBUTTON2);
static_assert(kVkShift == VK_SHIFT && kVkControl == VK_CONTROL && kVkMenu == VK_MENU);
static_assert(kVkLeftWindows == VK_LWIN && kVkRightWindows == VK_RWIN);
static_assert(kVkVolumeMute == VK_VOLUME_MUTE && kVkVolumeDown == VK_VOLUME_DOWN && kVkVolumeUp == VK_VOLUME_UP);

void Win32Input::KeyboardEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) {
    keybd_event(virtualKey, scanCode, flags, 0);
}

void Win32Input::MouseEvent(uint32_t flags, uint32_t data, uintptr_t extraInfo) {
    mouse_event(flags, 0, 0, data, extraInfo);
}

uintptr_t Win32Input::MessageExtraInfo() { return static_cast<uintptr_t>(GetMessageExtraInfo()); }

bool Win32Input::ButtonsSwapped() { return GetSystemMetrics(SM_SWAPBUTTON) != 0; }

ScreenPoint Win32Input::CursorPosition() {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

void Win32Input::MoveCursor(ScreenPoint point) { SetCursorPos(point.X, point.Y); }

}  // namespace actions
