#include "skin/core/ColourKeyRegion.h"

#include <algorithm>

namespace {

constexpr uint32_t kRegionDataHeaderBytes = 32;  // sizeof(RGNDATAHEADER)
constexpr uint32_t kRectanglesType = 1;          // RDH_RECTANGLES
// dwSize, iType, nCount, nRgnSize, then rcBound.
static_assert(kRegionDataHeaderSize == kRegionDataHeaderBytes, "RGNDATAHEADER is 32 bytes");
static_assert(kRegionDataHeaderSize == 4 * sizeof(uint32_t) + kRegionDataRectSize,
              "four 32-bit fields and the bounding RECT");
static_assert(kRegionDataRectSize == 4 * sizeof(int32_t), "RECT is four LONGs");

struct ChannelBounds {
    uint8_t low[3];
    uint8_t high[3];
};

ChannelBounds BoundsOf(SkinColour key, SkinColour tolerance) {
    const uint8_t keys[3] = {ColourRed(key), ColourGreen(key), ColourBlue(key)};
    const uint8_t spreads[3] = {ColourRed(tolerance), ColourGreen(tolerance), ColourBlue(tolerance)};
    ChannelBounds bounds{};
    for (int c = 0; c < 3; ++c) {
        bounds.low[c] = keys[c];
        bounds.high[c] = static_cast<uint8_t>(std::min(255, keys[c] + spreads[c]));
    }
    return bounds;
}

// pixel points at blue, green, red of a DIB pixel.
bool IsTransparent(const uint8_t* pixel, const ChannelBounds& bounds) {
    const uint8_t channels[3] = {pixel[2], pixel[1], pixel[0]};
    for (int c = 0; c < 3; ++c)
        if (channels[c] < bounds.low[c] || channels[c] > bounds.high[c]) return false;
    return true;
}

void Include(SkinRect& bounds, const SkinRect& rect, bool first) {
    if (first) {
        bounds = rect;
        return;
    }
    bounds.left = std::min(bounds.left, rect.left);
    bounds.top = std::min(bounds.top, rect.top);
    bounds.right = std::max(bounds.right, rect.right);
    bounds.bottom = std::max(bounds.bottom, rect.bottom);
}

// Collects runs into batches, growing each batch's buffer in steps.
class BatchCollector {
public:
    void Add(const SkinRect& rect) {
        if (m_current.rects.size() == m_current.rects.capacity())
            m_current.rects.reserve(m_current.rects.capacity() + kRegionGrowStep);
        Include(m_current.bounds, rect, m_current.rects.empty());
        m_current.rects.push_back(rect);
        if (m_current.rects.size() == kRegionBatchSize) Flush();
    }

    ColourKeyRegion Finish() {
        // A last partial batch, or the empty region when nothing was found.
        if (!m_current.rects.empty() || m_result.batches.empty()) Flush();
        return std::move(m_result);
    }

private:
    void Flush() {
        m_result.batches.push_back(std::move(m_current));
        m_current = RegionBatch();
    }

    RegionBatch m_current;
    ColourKeyRegion m_result;
};

void PutLittleEndian32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

void PutRect(std::vector<uint8_t>& bytes, const SkinRect& rect) {
    PutLittleEndian32(bytes, static_cast<uint32_t>(rect.left));
    PutLittleEndian32(bytes, static_cast<uint32_t>(rect.top));
    PutLittleEndian32(bytes, static_cast<uint32_t>(rect.right));
    PutLittleEndian32(bytes, static_cast<uint32_t>(rect.bottom));
}

}  // namespace

size_t ColourKeyRegion::RectCount() const {
    size_t count = 0;
    for (const auto& batch : batches) count += batch.rects.size();
    return count;
}

SkinRect ColourKeyRegion::Bounds() const {
    SkinRect bounds;
    bool first = true;
    for (const auto& batch : batches) {
        if (batch.rects.empty()) continue;
        Include(bounds, batch.bounds, first);
        first = false;
    }
    return bounds;
}

bool ColourKeyRegion::Contains(SkinPoint point) const {
    for (const auto& batch : batches) {
        if (!RectContains(batch.bounds, point)) continue;
        for (const auto& rect : batch.rects)
            if (RectContains(rect, point)) return true;
    }
    return false;
}

std::optional<ColourKeyRegion> region_from_colour_key(const PixelView& image, SkinColour key,
                                                      SkinColour tolerance) {
    if (image.IsEmpty() || image.stride < image.width * 4) return std::nullopt;
    const ChannelBounds bounds = BoundsOf(key, tolerance);
    BatchCollector collector;
    for (int32_t y = 0; y < image.height; ++y) {
        const uint8_t* row = image.bits + static_cast<size_t>(y) * image.stride;
        int32_t x = 0;
        while (x < image.width) {
            while (x < image.width && IsTransparent(row + 4 * x, bounds)) ++x;
            if (x == image.width) break;
            const int32_t runStart = x;
            while (x < image.width && !IsTransparent(row + 4 * x, bounds)) ++x;
            collector.Add({runStart, y, x, y + 1});
        }
    }
    return collector.Finish();
}

std::vector<uint8_t> RegionDataBytes(const RegionBatch& batch) {
    std::vector<uint8_t> bytes;
    bytes.reserve(kRegionDataHeaderSize + batch.rects.size() * kRegionDataRectSize);
    const uint32_t count = static_cast<uint32_t>(batch.rects.size());
    PutLittleEndian32(bytes, kRegionDataHeaderBytes);
    PutLittleEndian32(bytes, kRectanglesType);
    PutLittleEndian32(bytes, count);
    PutLittleEndian32(bytes, count * static_cast<uint32_t>(kRegionDataRectSize));
    PutRect(bytes, batch.bounds);
    for (const auto& rect : batch.rects) PutRect(bytes, rect);
    return bytes;
}

std::vector<SkinPoint> PixelsLikeTopLeft(const PixelView& image) {
    std::vector<SkinPoint> points;
    // A stride shorter than a row would read past the last row.
    if (image.IsEmpty() || image.stride < image.width * 4) return points;
    const SkinColour key = image.At(0, 0);
    for (int32_t y = 0; y < image.height; ++y)
        for (int32_t x = 0; x < image.width; ++x)
            if (image.At(x, y) == key) points.push_back({x, y});
    return points;
}
