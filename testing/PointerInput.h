// Pointer and keyboard input as the system delivers it, for tests that drive
// windows the way a user does. Every event carries its absolute position: under Wine a
// window that appears or goes away under the X pointer can make its process
// report a move to where the X pointer was, and that report may come after
// the test's own move; a press without a position would then land there.
#pragma once

#include <windows.h>

#include <string>

namespace testsupport {

// One pointer event at `screen` (with MOUSEEVENTF_MOVE and absolute
// coordinates added to `flags`).
INPUT PointerEventAt(POINT screen, DWORD flags);

// Moves the system cursor and sends the move as input.
void MovePointerTo(POINT screen);

// A press and release of the left (or right) button at `screen`, queued
// together: a press that starts a modal loop (a window move, a dialog, a
// menu) finds its release already there.
void SendClickAt(POINT screen, bool rightButton = false);

// A left press or release alone at `screen` (for drags).
void SendLeftButtonAt(POINT screen, bool down);

// A key pressed or released alone (for held keys), with its scan code.
void SendKey(WORD virtualKey, bool up);
// A key pressed and released, queued together.
void PressKey(WORD virtualKey);
// Each character typed as a Unicode key stroke.
void TypeText(const std::string& text);

}  // namespace testsupport
