#include "skins/generator/JpegFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

// Quantiser for every coefficient: small, the images are small and drawn.
constexpr int kQuantiser = 2;
constexpr int kBlock = 8;
constexpr double kPi = 3.14159265358979323846;
constexpr double kHalfRoot2 = 0.70710678118654752440;

constexpr uint8_t kNaturalOrder[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                                       12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                                       35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                                       58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// Code counts by length 1..16 and symbols: the standard luminance tables,
// whose AC table holds all 162 run/size symbols.
constexpr uint8_t kDcCounts[16] = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
constexpr uint8_t kDcSymbols[12] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
constexpr uint8_t kAcCounts[16] = {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d};
constexpr uint8_t kAcSymbols[162] = {
    0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61, 0x07, 0x22, 0x71,
    0x14, 0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42, 0xb1, 0xc1, 0x15, 0x52, 0xd1, 0xf0, 0x24, 0x33, 0x62, 0x72,
    0x82, 0x09, 0x0a, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x34, 0x35, 0x36, 0x37,
    0x38, 0x39, 0x3a, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59,
    0x5a, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x83,
    0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a, 0xa2, 0xa3,
    0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3,
    0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe1, 0xe2,
    0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea, 0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa};

struct Code {
    uint16_t bits = 0;
    int length = 0;
};

// Canonical codes: shortest first, counting up within a length.
std::array<Code, 256> BuildCodes(const uint8_t (&counts)[16], const uint8_t* symbols) {
    std::array<Code, 256> codes{};
    uint16_t code = 0;
    size_t next = 0;
    for (int length = 1; length <= 16; ++length) {
        for (int i = 0; i < counts[length - 1]; ++i) codes[symbols[next++]] = Code{code++, length};
        code = static_cast<uint16_t>(code << 1);
    }
    return codes;
}

class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : m_out(out) {}
    void Put(uint32_t bits, int length) {
        for (int i = length - 1; i >= 0; --i) {
            m_byte = static_cast<uint8_t>((m_byte << 1) | ((bits >> i) & 1));
            if (++m_count == 8) Flush();
        }
    }
    // The last byte is padded with one bits.
    void Finish() {
        while (m_count != 0) Put(1, 1);
    }

private:
    void Flush() {
        m_out.push_back(m_byte);
        if (m_byte == 0xFF) m_out.push_back(0);  // stuffed: not a marker
        m_byte = 0;
        m_count = 0;
    }
    std::vector<uint8_t>& m_out;
    uint8_t m_byte = 0;
    int m_count = 0;
};

void PutWord(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value & 0xFF));
}

int Category(int value) {
    int magnitude = std::abs(value), bits = 0;
    while (magnitude) {
        ++bits;
        magnitude >>= 1;
    }
    return bits;
}

uint32_t ValueBits(int value, int category) {
    return static_cast<uint32_t>(value >= 0 ? value : value + (1 << category) - 1);
}

void ForwardDct(const double (&samples)[64], int (&quantised)[64]) {
    static const auto kCosines = [] {
        std::array<double, 64> table{};
        for (int x = 0; x < kBlock; ++x)
            for (int u = 0; u < kBlock; ++u) table[x * kBlock + u] = std::cos((2 * x + 1) * u * kPi / 16.0);
        return table;
    }();
    for (int v = 0; v < kBlock; ++v)
        for (int u = 0; u < kBlock; ++u) {
            double sum = 0;
            for (int y = 0; y < kBlock; ++y)
                for (int x = 0; x < kBlock; ++x)
                    sum += samples[y * kBlock + x] * kCosines[x * kBlock + u] * kCosines[y * kBlock + v];
            const double cu = u == 0 ? kHalfRoot2 : 1.0, cv = v == 0 ? kHalfRoot2 : 1.0;
            quantised[v * kBlock + u] = static_cast<int>(std::lround(0.25 * cu * cv * sum / kQuantiser));
        }
}

void PutHeaders(std::vector<uint8_t>& out, int width, int height) {
    const uint8_t start[] = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
    out.insert(out.end(), std::begin(start), std::end(start));
    out.insert(out.end(), {0xFF, 0xDB, 0, 67, 0});
    out.insert(out.end(), 64, static_cast<uint8_t>(kQuantiser));
    out.insert(out.end(), {0xFF, 0xC0, 0, 17, 8});
    PutWord(out, height);
    PutWord(out, width);
    out.insert(out.end(), {3, 1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0});
    out.insert(out.end(), {0xFF, 0xC4});
    PutWord(out, 2 + 1 + 16 + 12 + 1 + 16 + 162);
    out.push_back(0x00);
    out.insert(out.end(), std::begin(kDcCounts), std::end(kDcCounts));
    out.insert(out.end(), std::begin(kDcSymbols), std::end(kDcSymbols));
    out.push_back(0x10);
    out.insert(out.end(), std::begin(kAcCounts), std::end(kAcCounts));
    out.insert(out.end(), std::begin(kAcSymbols), std::end(kAcSymbols));
    out.insert(out.end(), {0xFF, 0xDA, 0, 12, 3, 1, 0, 2, 0, 3, 0, 0, 63, 0});
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const Raster& picture) {
    static const auto kDcCodes = BuildCodes(kDcCounts, kDcSymbols);
    static const auto kAcCodes = BuildCodes(kAcCounts, kAcSymbols);
    std::vector<uint8_t> out;
    PutHeaders(out, picture.Width(), picture.Height());
    BitWriter writer(out);
    int previousDc[3] = {0, 0, 0};
    for (int top = 0; top < picture.Height(); top += kBlock)
        for (int left = 0; left < picture.Width(); left += kBlock)
            for (int component = 0; component < 3; ++component) {
                double samples[64];
                for (int y = 0; y < kBlock; ++y)
                    for (int x = 0; x < kBlock; ++x) {
                        // Blocks over the edge repeat the last row and column.
                        Colour c = picture.At(std::min(left + x, picture.Width() - 1),
                                              std::min(top + y, picture.Height() - 1));
                        const double r = c.red, g = c.green, b = c.blue;
                        const double value = component == 0 ? 0.299 * r + 0.587 * g + 0.114 * b
                                             : component == 1 ? -0.168736 * r - 0.331264 * g + 0.5 * b + 128
                                                              : 0.5 * r - 0.418688 * g - 0.081312 * b + 128;
                        samples[y * kBlock + x] = value - 128;
                    }
                int coefficients[64];
                ForwardDct(samples, coefficients);
                const int difference = coefficients[0] - previousDc[component];
                previousDc[component] = coefficients[0];
                int category = Category(difference);
                writer.Put(kDcCodes[category].bits, kDcCodes[category].length);
                writer.Put(ValueBits(difference, category), category);
                int run = 0;
                for (int k = 1; k < 64; ++k) {
                    const int value = coefficients[kNaturalOrder[k]];
                    if (value == 0) {
                        ++run;
                        continue;
                    }
                    for (; run > 15; run -= 16) writer.Put(kAcCodes[0xF0].bits, kAcCodes[0xF0].length);
                    category = Category(value);
                    const Code code = kAcCodes[(run << 4) | category];
                    writer.Put(code.bits, code.length);
                    writer.Put(ValueBits(value, category), category);
                    run = 0;
                }
                if (run > 0) writer.Put(kAcCodes[0x00].bits, kAcCodes[0x00].length);
            }
    writer.Finish();
    out.insert(out.end(), {0xFF, 0xD9});
    return out;
}
