// A click whose effect the test looks for, given again when none shows, as a
// user clicks again when a click did nothing.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace testsupport {

// Clicks at `screen` once the control there can take the press, and again
// (three clicks at most) while `done` does not hold within 15 s of a click.
// For a click right after a menu or dialog closed or a dialog opened: Wine
// can still be moving the focus then, and a focus change between the press
// and the release cancels a button's click. Each further click is reported
// on the error output with `what` and the focus state of the thread under
// the pointer.
bool ClickUntil(POINT screen, const std::function<bool()>& done, const std::string& what);

}  // namespace testsupport
