// Skinned controls keep the capture while the pointer hovers over them and
// let it go at the next move that leaves them; a press sent before that move
// is handled would reach the old control and be lost. A hand on a real mouse
// is never that fast, so test input lets the move through before a press.
#pragma once

#include <windows.h>

namespace testsupport {

// Waits (up to `deadlineMs`) until the window under `screen` can take a
// press: its thread's capture is free, its own or its ancestor's, or a menu
// is tracking.
void WaitForPointerHandOver(POINT screen, DWORD deadlineMs);

}  // namespace testsupport
