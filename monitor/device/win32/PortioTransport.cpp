#include "PortioTransport.h"

#include <vector>

namespace {
// The library takes a writable buffer; it gets a copy of ours.
template <typename Call>
int WithCopy(const uint8_t* bytes, int length, Call call) {
    if (!bytes || length <= 0) return 0;
    std::vector<unsigned char> buffer(bytes, bytes + length);
    return call(buffer.data(), length);
}
}  // namespace

int PortioTransport::SetFeature(const uint8_t* bytes, int length) {
    return WithCopy(bytes, length, [this](unsigned char* buffer, int size) { return m_library.SetFeature(buffer, size); });
}

int PortioTransport::WriteUSB(const uint8_t* bytes, int length) {
    return WithCopy(bytes, length, [this](unsigned char* buffer, int size) { return m_library.WriteUSB(buffer, size); });
}

void SystemSleeper::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }
