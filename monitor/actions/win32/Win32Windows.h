// The windows of the desktop through USER: look-up, messages, the
// foreground window's process and the window tree.
#pragma once

#include "monitor/actions/WindowSystem.h"

namespace actions {

class Win32Windows : public WindowSystem {
public:
    // ownWindow: the agent window, whose thread takes the foreground input
    // for a moment when a player window is brought forward.
    explicit Win32Windows(uintptr_t ownWindow = 0) : m_ownWindow(ownWindow) {}
    void SetOwnWindow(uintptr_t ownWindow) { m_ownWindow = ownWindow; }

    WindowId Find(const char* className, const char* title) override;
    bool Post(WindowId window, unsigned message, uintptr_t wParam, intptr_t lParam) override;
    intptr_t Send(WindowId window, unsigned message, uintptr_t wParam, intptr_t lParam) override;
    void BringToFront(WindowId window) override;
    uint32_t ForegroundProcessId() override;
    WindowId WindowAt(ScreenPoint point) override;
    WindowId DesktopWindow() override;
    std::string ClassName(WindowId window) override;
    WindowId Parent(WindowId window) override;
    uint32_t Style(WindowId window) override;
    WindowRect Rect(WindowId window) override;
    WindowId ChildAt(WindowId window, ScreenPoint point) override;
    WindowId FirstChild(WindowId window) override;
    WindowId NextSibling(WindowId window) override;
    WindowId PreviousSibling(WindowId window) override;

private:
    uintptr_t m_ownWindow;
};

}  // namespace actions
