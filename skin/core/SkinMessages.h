// Window messages of the skin toolkit's controls. All are posted to the
// control's parent (hint display: to the main window) with the control's
// identifier or tag in lParam unless noted.
#pragma once

#include <cstdint>

// wParam = new value.
constexpr uint32_t MSG_SLIDER_POS = 0x0446;    // WM_USER + 70
constexpr uint32_t MSG_FILLBAR_POS = 0x0450;   // WM_USER + 80
constexpr uint32_t MSG_VALUEBOX_POS = 0x045A;  // WM_USER + 90
// wParam = kEditEnterCode when Enter is released in a bitmap edit field.
constexpr uint32_t MSG_EDIT_ENTER = 0x045C;    // WM_USER + 92
// wParam = 1 on enter, 0 on leave; lParam = hover tag.
constexpr uint32_t MSG_CONTROL_HOVER = 0x0464;  // WM_USER + 100
// wParam = 1 on enter, 0 on leave; lParam = 0; to the main window.
constexpr uint32_t MSG_SHOW_HINT = 0x0465;      // WM_USER + 101
// wParam = index of the renamed row; lParam = list tag.
constexpr uint32_t MSG_LIST_RENAMED = 0x05F4;   // WM_USER + 500
// wParam = 0; lParam = list tag; right button pressed on the list.
constexpr uint32_t MSG_LIST_CONTEXT = 0x06BC;   // WM_USER + 700

constexpr uint32_t kEditEnterCode = 13;

// Registered by name at start-up (RegisterWindowMessageA). The kill-focus
// message carries wParam 1 on focus loss and 0 after a change; nothing sends
// the change message, it is registered for completeness of the protocol.
constexpr char kBitmapEditKillFocusMessageName[] = "BitmapEdit_KillFocus";
constexpr char kBitmapEditChangeMessageName[] = "BitmapEdit_Change";
constexpr uint32_t kKillFocusOnFocusLoss = 1;
constexpr uint32_t kKillFocusOnChange = 0;

// Hover time asked for with the leave notice of value controls.
constexpr uint32_t kHoverLeaveTimeMs = 1;
