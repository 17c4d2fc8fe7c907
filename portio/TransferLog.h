// Lines of the virtual mouse's transfer log, one per transfer that reached
// the mouse: "<microseconds> <SetFeature|WriteUSB> <length> <HEX>".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace portio {

constexpr char kSetFeatureTransfer[] = "SetFeature";
constexpr char kWriteUSBTransfer[] = "WriteUSB";

struct TransferRecord {
    uint64_t Microseconds = 0;
    std::string Kind;  // kSetFeatureTransfer or kWriteUSBTransfer
    std::vector<uint8_t> Bytes;
};

// The line with its trailing newline.
std::string FormatTransferLine(uint64_t microseconds, const char* kind, const uint8_t* bytes, int length);

// False for anything that is not a well-formed line (length and hex agree).
bool ParseTransferLine(const std::string& line, TransferRecord& record);

// A counter value of a clock running at frequency ticks per second, in
// microseconds, without overflowing for large counters.
uint64_t TicksToMicroseconds(uint64_t ticks, uint64_t frequency);

// A path from the settings file: absolute paths as they are, anything else
// relative to the program folder (which ends with a backslash or slash).
std::string ResolveInFolder(const std::string& folder, const std::string& path);

}  // namespace portio
