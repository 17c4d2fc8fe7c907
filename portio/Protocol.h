// What travels to the mouse: 8-byte commands (SetFeature), some followed by
// 128 data bytes in two 64-byte chunks (WriteUSB).
#pragma once

#include <cstddef>
#include <cstdint>

namespace portio {

constexpr int kCommandLength = 8;
constexpr int kChunkLength = 64;
constexpr int kChunksPerReport = 2;
constexpr int kReportDataLength = kChunkLength * kChunksPerReport;

// The fixed parameters: the opening command's two and the data commands'
// second (the data length, 0x80 = 128 bytes).
constexpr uint8_t kOpeningFirst = 0x88;
constexpr uint8_t kOpeningSecond = 0x02;
constexpr uint8_t kDataLengthMark = 0x80;

constexpr int kSlotCount = 5;
constexpr int kButtonCount = 16;
constexpr int kFirstMacroNumber = 1;
constexpr int kLastMacroNumber = kSlotCount * kButtonCount;

enum CommandCode : uint8_t {
    kOpeningCommand = 0x01,
    kProfileSelectCommand = 0x02,
    kReportRateCommand = 0x03,
    kLevelCommand = 0x04,
    kConfigurationReport = 0x0C,
    kButtonMapReport = 0x0D,
    kMacroReport = 0x0F,
};

#pragma pack(push, 1)
struct Command {
    uint8_t Code;
    uint8_t First;
    uint8_t Second;
    uint8_t Reserved[4];
    uint8_t Check;
};
#pragma pack(pop)
static_assert(sizeof(Command) == kCommandLength, "a command is 8 bytes");
static_assert(offsetof(Command, Check) == 7, "the check byte is last");

// 0xFF minus the sum of bytes 0..6, modulo 256.
inline uint8_t CheckByte(const uint8_t* bytes) {
    unsigned sum = 0;
    for (int i = 0; i < kCommandLength - 1; ++i) sum += bytes[i];
    return static_cast<uint8_t>(0xFF - sum);
}

inline bool CommandCarriesData(uint8_t code) {
    return code == kConfigurationReport || code == kButtonMapReport || code == kMacroReport;
}

}  // namespace portio
