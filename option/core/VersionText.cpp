#include "option/core/VersionText.h"

#include "option/core/OptionConstants.h"

std::string FirmwareVersionText(int32_t version, bool limitAbove) {
    if (version < option::kLowestFirmwareVersion) return option::kNotAvailableText;
    if (limitAbove && version > option::kHighestStartFirmwareVersion) return option::kNotAvailableText;
    std::string digits = std::to_string(version);
    return digits.substr(0, 1) + "." + digits.substr(1);
}

std::string VersionLine(const std::string& softwareLabel, const std::string& firmwareLabel,
                        const std::string& firmwareText) {
    return softwareLabel + option::kSoftwareVersionText + "-" + firmwareLabel + firmwareText;
}
