// portio.ini beside the library chooses the backend:
//   [VirtualMouse]
//   Enabled=1        the virtual mouse; anything else the hardware mouse
//   Attached=1       whether the virtual mouse is plugged in at load
//   Log=transfers.log  transfer log, relative to the program folder
#pragma once

#include <string>

namespace portio {

constexpr char kSettingsFileName[] = "portio.ini";
constexpr char kVirtualMouseSection[] = "VirtualMouse";
constexpr char kEnabledKey[] = "Enabled";
constexpr char kAttachedKey[] = "Attached";
constexpr char kLogKey[] = "Log";

struct LibrarySettings {
    bool VirtualMouse = false;
    bool Attached = true;
    std::string LogPath;  // resolved; empty = no log
};

// The folder of this library, with a trailing backslash.
std::string LibraryFolder();

LibrarySettings ReadLibrarySettings(const std::string& folder);

}  // namespace portio
