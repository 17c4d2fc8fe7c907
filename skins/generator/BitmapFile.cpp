#include "skins/generator/BitmapFile.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

uint32_t Get32(const std::vector<uint8_t>& in, size_t at) {
    return in[at] | in[at + 1] << 8 | in[at + 2] << 16 | static_cast<uint32_t>(in[at + 3]) << 24;
}

uint16_t Get16(const std::vector<uint8_t>& in, size_t at) { return static_cast<uint16_t>(in[at] | in[at + 1] << 8); }

size_t RowStride(int width, int bitsPerPixel) { return (static_cast<size_t>(width) * bitsPerPixel + 31) / 32 * 4; }

std::vector<uint8_t> Headers(int width, int height, int bitsPerPixel, uint32_t paletteEntries) {
    size_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + paletteEntries * 4;
    size_t imageSize = RowStride(width, bitsPerPixel) * height;
    std::vector<uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(pixelOffset + imageSize));
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(pixelOffset));
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));  // positive: bottom row first
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bitsPerPixel));
    Put32(out, 0);  // BI_RGB
    Put32(out, static_cast<uint32_t>(imageSize));
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, paletteEntries);
    Put32(out, 0);
    return out;
}

}  // namespace

std::vector<uint8_t> EncodeBitmap24(const Raster& picture) {
    std::vector<uint8_t> out = Headers(picture.Width(), picture.Height(), 24, 0);
    size_t padding = RowStride(picture.Width(), 24) - static_cast<size_t>(picture.Width()) * 3;
    for (int y = picture.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.Width(); ++x) {
            Colour pixel = picture.At(x, y);
            out.push_back(pixel.blue);
            out.push_back(pixel.green);
            out.push_back(pixel.red);
        }
        out.insert(out.end(), padding, 0);
    }
    return out;
}

std::vector<uint8_t> EncodeBitmap1(int width, int height, const std::vector<bool>& cut) {
    std::vector<uint8_t> out = Headers(width, height, 1, 2);
    Put32(out, 0x000000);  // index 0: black, kept
    Put32(out, 0xFFFFFF);  // index 1: pure white, cut away
    size_t stride = RowStride(width, 1);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(stride, 0);
        for (int x = 0; x < width; ++x)
            if (cut[static_cast<size_t>(y) * width + x]) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

bool DecodeBitmap(const std::vector<uint8_t>& file, Raster& picture) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') return false;
    uint32_t pixelOffset = Get32(file, 10);
    int width = static_cast<int>(Get32(file, 18));
    int height = static_cast<int>(Get32(file, 22));
    int bits = Get16(file, 28);
    if (width <= 0 || height <= 0 || Get32(file, 30) != 0 || (bits != 1 && bits != 24)) return false;
    size_t stride = RowStride(width, bits);
    if (pixelOffset + stride * height > file.size()) return false;
    picture = Raster(width, height, Colour{});
    for (int y = 0; y < height; ++y) {
        size_t row = pixelOffset + stride * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            if (bits == 24) {
                size_t at = row + static_cast<size_t>(x) * 3;
                picture.Set(x, y, Rgb(file[at + 2], file[at + 1], file[at]));
            } else {
                bool index = (file[row + x / 8] >> (7 - x % 8)) & 1;
                size_t entry = kFileHeaderSize + kInfoHeaderSize + (index ? 4 : 0);
                picture.Set(x, y, Rgb(file[entry + 2], file[entry + 1], file[entry]));
            }
        }
    }
    return true;
}
