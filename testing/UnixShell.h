// Runs a command of the Unix host from a Windows test under Wine, for the
// few conditions a Windows program cannot make itself (a read-only or full
// file system mounted over a folder). Off Wine nothing runs.
#pragma once

#include <string>

namespace testsupport {

// The host path of a Windows path, or empty when not under Wine.
std::string UnixPath(const std::string& windowsPath);

// Runs `sh -c command` on the host and waits for it to end; false when it
// could not be started or did not end in time. The command's exit status is
// not seen through Wine: callers check the effect.
bool RunUnixShell(const std::string& command);

// A path quoted for sh.
std::string ShellQuoted(const std::string& text);

}  // namespace testsupport
