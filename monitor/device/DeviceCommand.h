// The 8-byte commands the agent sends to the mouse with SetFeature, and the
// 128-byte data reports that follow some of them.
#pragma once

#include <array>
#include <cstdint>

namespace device {

constexpr int kCommandSize = 8;
constexpr int kReportSize = 128;
constexpr int kChunkSize = 64;
constexpr int kChunksPerReport = kReportSize / kChunkSize;

// Macro numbers run 1..80 (slot x 16 + button + 1); the store has room for 100.
constexpr int kMacroNumberCount = 100;
// Level steps the mouse knows: 0..7 (levels 1..8 in its events).
constexpr int32_t kHighestLevelStep = 7;

// Command codes (byte 0).
enum class CommandCode : uint8_t {
    Opening = 0x01,
    ProfileSelect = 0x02,
    ReportRate = 0x03,
    Level = 0x04,
    Configuration = 0x0C,
    ButtonMap = 0x0D,
    Macro = 0x0F,
};

// Constant parameters of the opening command and of every data report.
constexpr uint8_t kOpeningFirst = 0x88;
constexpr uint8_t kOpeningSecond = 0x02;
constexpr uint8_t kReportLength = 0x80;

// Bytes 0..2 carry code and parameters, 3..6 are zero, 7 is the check byte.
using DeviceCommand = std::array<uint8_t, kCommandSize>;
using ReportData = std::array<uint8_t, kReportSize>;

// 0xFF minus the sum of bytes 0..6, modulo 256.
uint8_t CheckByte(const DeviceCommand& command);

DeviceCommand BuildCommand(CommandCode code, uint8_t first, uint8_t second);

DeviceCommand OpeningCommand();
DeviceCommand ProfileSelectCommand(int slot);
DeviceCommand ReportRateCommand(int slot, int32_t pollingRate);
DeviceCommand LevelCommand(int slot, int32_t cpiStep);
DeviceCommand ConfigurationCommand(int slot);
DeviceCommand ButtonMapCommand(int slot);
DeviceCommand MacroCommand(int macroNumber);

// The macro number of a button of a slot: 1..80.
int MacroNumber(int slot, int button);

}  // namespace device
