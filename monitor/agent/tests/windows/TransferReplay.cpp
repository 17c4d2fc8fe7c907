#include "TransferReplay.h"

#include "ProgramFolder.h"
#include "portio/StateReport.h"
#include "portio/TransferLog.h"
#include "portio/VirtualMouse.h"

#include <algorithm>
#include <cstdlib>

namespace agenttest {

namespace {

constexpr char kViolationsLabel[] = "Protocol violations: ";
constexpr int kColourOffset = 104;
constexpr int kColourCount = 8;
constexpr int kLevelCodesOffset = 84;
constexpr int kLevelCount = 5;

// The colours a configuration report may carry, as sent (indexes 6 and 7
// are both white).
const uint8_t kPalette[][3] = {
    {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00}, {0x00, 0x00, 0xFF},
    {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
};

std::string ConfigurationFault(const portio::ReportData& data) {
    for (int k = 0; k < kColourCount; ++k) {
        const uint8_t* triplet = &data[kColourOffset + 3 * k];
        const bool known = std::any_of(std::begin(kPalette), std::end(kPalette),
                                       [&](const uint8_t* colour) { return std::equal(colour, colour + 3, triplet); });
        if (!known) return "colour " + std::to_string(k) + " outside the palette";
    }
    for (int level = 0; level < kLevelCount; ++level)
        if (portio::LevelCodeDpi(data[kLevelCodesOffset + level]) == 0) return "unknown level code";
    return "";
}

}  // namespace

ReplayResult ReplayTransferLog(const std::string& logPath) {
    ReplayResult result;
    portio::VirtualMouse mouse;
    uint8_t lastCommand = 0;
    for (const std::string& line : ReadLines(logPath)) {
        ++result.lines;
        portio::TransferRecord record;
        if (!portio::ParseTransferLine(line, record)) {
            result.faults.push_back("unreadable line: " + line);
            continue;
        }
        ++result.transfers;
        const unsigned before = mouse.State().Counters.Violations();
        const unsigned reportsBefore = mouse.State().Counters.Reports;
        const int length = static_cast<int>(record.Bytes.size());
        if (record.Kind == portio::kSetFeatureTransfer) {
            lastCommand = record.Bytes.empty() ? 0 : record.Bytes[0];
            mouse.ReceiveCommand(record.Bytes.data(), length);
        } else {
            mouse.ReceiveChunk(record.Bytes.data(), length);
        }
        if (mouse.State().Counters.Violations() != before) result.faults.push_back("rejected: " + line);
        if (mouse.State().Counters.Reports != reportsBefore && lastCommand == portio::kConfigurationReport) {
            for (const portio::SlotState& slot : mouse.State().Slots) {
                const std::string fault = slot.ConfigurationKnown ? ConfigurationFault(slot.Configuration) : "";
                if (!fault.empty()) result.faults.push_back(fault + ": " + line);
            }
            const std::string text = portio::DescribeMouseState(mouse.State());
            if (text.find("Fixed bytes differ") != std::string::npos)
                result.faults.push_back("fixed bytes differ: " + line);
        }
    }
    if (mouse.AwaitingChunks()) result.faults.push_back("the log ends inside a data report");
    return result;
}

long LiveProtocolViolations() {
    std::string output;
    const size_t at = RunPortioctl("state", &output) == 0 ? output.find(kViolationsLabel) : std::string::npos;
    if (at == std::string::npos) return -1;
    return std::strtol(output.c_str() + at + sizeof kViolationsLabel - 1, nullptr, 10);
}

}  // namespace agenttest
