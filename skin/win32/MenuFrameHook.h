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
// Draws the frame on a surface the size of the window.
void PaintFrame(HDC dc, int width, int height);
}  // namespace MenuFrameHook
