// The firmware version as the main window shows it.
#pragma once

#include <cstdint>
#include <string>

// "N/A" below 100 (and, at start-up, above 500); otherwise the number with
// a "." after its first digit (104 gives "1.04").
std::string FirmwareVersionText(int32_t version, bool limitAbove);

// The version line: "%s%s-%s%s" of the software label, the software
// version, the firmware label and the firmware version.
std::string VersionLine(const std::string& softwareLabel, const std::string& firmwareLabel,
                        const std::string& firmwareText);
