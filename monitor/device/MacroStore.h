// The agent's store of macro blocks, one per macro number, each with a
// present mark. Emptied at every device write.
#pragma once

#include <array>

#include "monitor/device/DeviceCommand.h"

namespace device {

class MacroStore {
public:
    MacroStore();

    void Clear();
    // Numbers outside 0..99 are ignored.
    void Store(int macroNumber, const ReportData& data);
    bool IsPresent(int macroNumber) const;
    // An all-zero block for a number that holds nothing.
    const ReportData& Block(int macroNumber) const;

private:
    std::array<ReportData, kMacroNumberCount> m_blocks;
    std::array<bool, kMacroNumberCount> m_present;
};

}  // namespace device
