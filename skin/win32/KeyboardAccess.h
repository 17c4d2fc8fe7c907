// Keyboard access of skinned windows: the order in which Tab visits a
// window's controls, and the focus mark that focused controls draw while the
// keyboard is in use.
#pragma once

#include <windows.h>

#include <string>

// Makes the window's skinned controls that take the focus (buttons, edit
// fields, lists) tab stops and puts all its children in reading order, the
// order in which the dialog manager visits them. Run once the window's
// controls are made, and again when it gets another child.
void ArrangeTabOrder(HWND window);
// True when Tab walks the window's controls: a dialog or a window inside one.
bool TabWalks(HWND window);

// The window text of a control without a caption: its hint, by which
// assistive technology names it. Nothing for a control not yet made.
void SetHintAsWindowText(HWND control, const std::string& hint);

// True after a navigation key (Tab, arrows, page keys, Home, End) until the
// next pointer press. Kept here rather than in the windows' keyboard-cue
// state (WM_QUERYUISTATE), which Wine does not keep.
bool FocusMarkShown();
// Follows the input of a skinned dialog's loop. When the mark comes or goes
// the focused control gets WM_UPDATEUISTATE and redraws.
void NoteInputForFocusMark(const MSG& message);
// A dotted frame inverting the pixels under it, inset into `area`.
void DrawFocusMark(HDC dc, const RECT& area);
