// Builders of host transfers for the virtual mouse tests.
#pragma once

#include "portio/Protocol.h"
#include "portio/VirtualMouse.h"

#include <array>
#include <cstdint>

namespace portio {

inline std::array<uint8_t, kCommandLength> MakeCommand(uint8_t code, uint8_t first, uint8_t second) {
    std::array<uint8_t, kCommandLength> bytes{code, first, second, 0, 0, 0, 0, 0};
    bytes[7] = CheckByte(bytes.data());
    return bytes;
}

// 128 data bytes, byte i = seed + i.
inline ReportData MakeData(uint8_t seed) {
    ReportData data{};
    for (int i = 0; i < kReportDataLength; ++i) data[i] = static_cast<uint8_t>(seed + i);
    return data;
}

// The command and both chunks, as the host sends a data report.
inline void SendReport(VirtualMouse& mouse, uint8_t code, uint8_t first, const ReportData& data) {
    const auto command = MakeCommand(code, first, 0x80);
    mouse.ReceiveCommand(command.data(), kCommandLength);
    mouse.ReceiveChunk(data.data(), kChunkLength);
    mouse.ReceiveChunk(data.data() + kChunkLength, kChunkLength);
}

}  // namespace portio
