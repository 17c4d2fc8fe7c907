#include "option/pages/settings/core/ColourRules.h"

#include <algorithm>

namespace {

constexpr int kHueSectors = 6;

uint32_t Pack(int red, int green, int blue) {
    return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 | static_cast<uint32_t>(blue) << 16;
}

int ShiftOf(uint32_t boxId) { return static_cast<int>(boxId - kRedBoxId) * 8; }

bool IsBox(uint32_t boxId) { return boxId >= kRedBoxId && boxId <= kBlueBoxId; }

// Fully saturated hue at t in [0, 6 * 255].
void Hue(int t, int& red, int& green, int& blue) {
    const int sector = std::min(t / kChannelMaximum, kHueSectors - 1);
    const int rise = t - sector * kChannelMaximum;
    const int fall = kChannelMaximum - rise;
    const int table[kHueSectors][3] = {{255, rise, 0}, {fall, 255, 0}, {0, 255, rise},
                                       {0, fall, 255}, {rise, 0, 255}, {255, 0, fall}};
    red = table[sector][0];
    green = table[sector][1];
    blue = table[sector][2];
}

}  // namespace

int ChannelOf(uint32_t colour, uint32_t boxId) {
    return IsBox(boxId) ? static_cast<int>((colour >> ShiftOf(boxId)) & 0xFF) : -1;
}

uint32_t WithChannel(uint32_t colour, uint32_t boxId, int32_t value) {
    if (!IsBox(boxId)) return colour;
    const uint32_t byte = static_cast<uint32_t>(std::clamp(value, 0, kChannelMaximum));
    const int shift = ShiftOf(boxId);
    return (colour & ~(0xFFu << shift)) | byte << shift;
}

uint32_t ColourFieldAt(int32_t x, int32_t y, int32_t width, int32_t height) {
    if (width <= 1 || height <= 1 || x < 0 || y < 0 || x >= width || y >= height) return 0;
    int red = 0, green = 0, blue = 0;
    Hue(x * kHueSectors * kChannelMaximum / (width - 1), red, green, blue);
    // Upper half: white blends into the hue; lower half: the hue darkens to black.
    const int half = (height - 1) / 2;
    if (y <= half && half > 0) {
        const int white = kChannelMaximum * (half - y) / half;
        auto lift = [white](int channel) { return channel + (kChannelMaximum - channel) * white / kChannelMaximum; };
        return Pack(lift(red), lift(green), lift(blue));
    }
    const int rest = height - 1 - half;
    const int light = rest > 0 ? kChannelMaximum * (height - 1 - y) / rest : kChannelMaximum;
    auto darken = [light](int channel) { return channel * light / kChannelMaximum; };
    return Pack(darken(red), darken(green), darken(blue));
}
