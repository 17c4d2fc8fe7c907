// Paints the skin's three-line frame around the system's menu windows of
// this thread: a call-window-procedure hook sees each menu window being
// created and subclasses it until it is hidden or destroyed.
#pragma once

#include <windows.h>

namespace MenuFrameHook {
// Installs the hook for the current thread unless it is already installed.
bool Install();
// Restores every subclassed menu window and removes the hook.
void Uninstall();
bool Installed();
// Menu windows currently subclassed.
size_t FramedWindowCount();
// Holds the hook while a menu is tracked: installs it unless it is already
// installed, and removes it at the end only if it installed it. The hook runs
// for every message the thread sends (under Wine making a control costs four
// times as much with it), so it is there only while a menu can open.
class TrackingScope {
public:
    TrackingScope() : m_installedHere(!Installed() && Install()) {}
    ~TrackingScope() {
        if (m_installedHere) Uninstall();
    }
    TrackingScope(const TrackingScope&) = delete;
    TrackingScope& operator=(const TrackingScope&) = delete;

private:
    bool m_installedHere;
};
// Draws the frame on a surface the size of the window.
void PaintFrame(HDC dc, int width, int height);
}  // namespace MenuFrameHook
