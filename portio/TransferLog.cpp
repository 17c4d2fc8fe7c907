#include "portio/TransferLog.h"

#include <cstdint>
#include <sstream>

namespace portio {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Digits only, within 64 bits.
bool ParseDecimal(const std::string& text, uint64_t& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = 0;
    for (char c : text) {
        const unsigned digit = static_cast<unsigned>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) return false;
        value = value * 10 + digit;
    }
    return true;
}

bool IsAbsolute(const std::string& path) {
    if (!path.empty() && (path[0] == '\\' || path[0] == '/')) return true;
    return path.size() >= 2 && path[1] == ':';
}

}  // namespace

std::string FormatTransferLine(uint64_t microseconds, const char* kind, const uint8_t* bytes, int length) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string line = std::to_string(microseconds) + ' ' + kind + ' ' + std::to_string(length) + ' ';
    for (int i = 0; i < length; ++i) {
        line += kDigits[bytes[i] >> 4];
        line += kDigits[bytes[i] & 0x0F];
    }
    line += '\n';
    return line;
}

bool ParseTransferLine(const std::string& line, TransferRecord& record) {
    std::istringstream fields(line);
    std::string time, kind, length, hex, extra;
    if (!(fields >> time >> kind >> length >> hex) || (fields >> extra)) return false;
    if (kind != kSetFeatureTransfer && kind != kWriteUSBTransfer) return false;
    TransferRecord parsed;
    uint64_t byteCount = 0;
    if (!ParseDecimal(time, parsed.Microseconds) || !ParseDecimal(length, byteCount)) return false;
    if (hex.size() / 2 != byteCount || hex.size() % 2) return false;
    parsed.Kind = kind;
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]), low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) return false;
        parsed.Bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    record = parsed;
    return true;
}

uint64_t TicksToMicroseconds(uint64_t ticks, uint64_t frequency) {
    if (frequency == 0) return 0;
    return ticks / frequency * 1000000u + ticks % frequency * 1000000u / frequency;
}

std::string ResolveInFolder(const std::string& folder, const std::string& path) {
    if (path.empty() || IsAbsolute(path)) return path;
    return folder + path;
}

}  // namespace portio
