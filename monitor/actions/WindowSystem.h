// The windows of other programs as the engine sees them: found by title or
// class, sent or posted messages, the foreground window's process, and the
// window tree under the pointer that the tilt-wheel finder walks. Windows
// are plain numbers (HWND values); 0 is none.
#pragma once

#include "monitor/actions/InputSynthesis.h"

#include <cstdint>
#include <string>

namespace actions {

using WindowId = uintptr_t;

struct WindowRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // FindWindowA; a null class or title matches any.
    virtual WindowId Find(const char* className, const char* title) = 0;
    virtual bool Post(WindowId window, unsigned message, uintptr_t wParam, intptr_t lParam) = 0;
    virtual intptr_t Send(WindowId window, unsigned message, uintptr_t wParam, intptr_t lParam) = 0;
    // Brings a window of another program to the front (input of the
    // foreground thread attached for the call).
    virtual void BringToFront(WindowId window) = 0;
    // Process id of the foreground window's thread; 0 when there is none.
    virtual uint32_t ForegroundProcessId() = 0;

    // The window tree.
    virtual WindowId WindowAt(ScreenPoint point) = 0;
    virtual WindowId DesktopWindow() = 0;
    virtual std::string ClassName(WindowId window) = 0;
    virtual WindowId Parent(WindowId window) = 0;
    virtual uint32_t Style(WindowId window) = 0;
    // Screen coordinates.
    virtual WindowRect Rect(WindowId window) = 0;
    // ChildWindowFromPoint with the point in the window's client coordinates:
    // the child there, the window itself, or 0 outside it.
    virtual WindowId ChildAt(WindowId window, ScreenPoint point) = 0;
    virtual WindowId FirstChild(WindowId window) = 0;
    virtual WindowId NextSibling(WindowId window) = 0;
    virtual WindowId PreviousSibling(WindowId window) = 0;
};

}  // namespace actions
