// Pictures of the screen for the window tests, looked at by people.
#pragma once

#include <string>

namespace testsupport {

// Saves a screenshot of the whole screen as `name`.bmp into the folder named
// by SCREENSHOT_DIR (a Windows path), when that is set.
void SaveScreenshot(const std::string& name);

}  // namespace testsupport
