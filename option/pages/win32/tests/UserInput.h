// Input the way a user gives it: the pointer moved to a point and clicked,
// keys pressed and released, text typed; all through SendInput. And the
// windows a test waits for: dialogs by title, open popup menus.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "testing/MessagePump.h"
#include "testing/PointerInput.h"

namespace userinput {

void MoveTo(POINT screen);
void ClickAt(POINT screen);
using testsupport::PressKey;
using testsupport::TypeText;

// Centre of a window's rectangle on the screen.
POINT CentreOf(HWND window);
// Centre of a skin placement key of a window (client coordinates from its skin file).
POINT SkinCentre(HWND window, const std::string& skinFile, int key);

using testsupport::WaitFor;
// A visible top-level window with this title, or null at the deadline.
HWND WaitForWindow(const char* title);
bool WaitForWindowGone(const char* title);
// A visible dialog owned by the window (dialogs without a title), or null.
HWND WaitForOwnedDialog(HWND owner);
bool WaitForOwnedDialogGone(HWND owner);
// The visible popup menu windows, the first opened first.
std::vector<HWND> OpenMenus();
// Waits for `count` open menus; the last of them, or null.
HWND WaitForMenus(size_t count);
// Centre of item `index` of an open menu window.
POINT MenuItemCentre(HWND menuWindow, int index);

// Writes the screen to a BMP in the folder named by SCREENSHOT_DIR (if set).
void Screenshot(const std::string& name);

}  // namespace userinput
