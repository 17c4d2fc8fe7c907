// The hover-hint protocol: the window that shows the current hint text, and
// the short form the value controls run on pointer moves.
#pragma once

#include <windows.h>

#include <string>

// The main window, which receives MSG_SHOW_HINT. Until one is set the
// notices go to the top-level window of the control that sends them.
void SetHintWindow(HWND window);
HWND HintWindowFor(HWND control);

// Posts MSG_SHOW_HINT (shown, 0) to the hint window of the control.
void PostShowHint(HWND control, bool shown);

// Short form: replaces the current hint text when it differs regardless of
// case, then posts MSG_SHOW_HINT (1, 0); asks for a leave notice once.
class HoverTracker {
public:
    void OnMouseMove(HWND control, const std::string& hint);
    void OnMouseLeave() { m_tracked = false; }
    bool Tracked() const { return m_tracked; }

private:
    bool m_tracked = false;
};
