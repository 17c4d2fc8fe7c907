// The dist folder, which mirrors the installed program folder.
#pragma once

#include <string>

namespace testsupport {

// TEST_DIST_DIR as a Windows path with a trailing backslash; without it the
// dist folder beside the tests folder of the build.
std::string DistFolder();

// The running test executable's folder, with a trailing backslash.
std::string TestFolder();

}  // namespace testsupport
