#include "skins/generator/Raster.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSamples = 4;  // per axis, for anti-aliasing

bool InsideRoundBox(const Box& box, double radius, double px, double py) {
    if (px < box.x || py < box.y || px >= box.Right() || py >= box.Bottom()) return false;
    double cx = std::clamp(px, box.x + radius, box.Right() - radius);
    double cy = std::clamp(py, box.y + radius, box.Bottom() - radius);
    double dx = px - cx;
    double dy = py - cy;
    return dx * dx + dy * dy <= radius * radius;
}

bool InsidePolygon(const std::vector<double>& xy, double px, double py) {
    bool inside = false;
    size_t count = xy.size() / 2;
    for (size_t i = 0, j = count - 1; i < count; j = i++) {
        double xi = xy[2 * i], yi = xy[2 * i + 1];
        double xj = xy[2 * j], yj = xy[2 * j + 1];
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
}

template <typename Inside>
int SampleCoverage(int x, int y, Inside inside) {
    int hits = 0;
    for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
            if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
    return hits * 255 / (kSamples * kSamples);
}

}  // namespace

Colour Mix(Colour under, Colour over, int amount) {
    auto channel = [amount](int a, int b) { return static_cast<uint8_t>((a * (255 - amount) + b * amount + 127) / 255); };
    return Colour{channel(under.red, over.red), channel(under.green, over.green), channel(under.blue, over.blue)};
}

Raster::Raster(int width, int height, Colour fill)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, fill) {}

void Raster::Set(int x, int y, Colour colour) {
    if (x >= 0 && y >= 0 && x < m_width && y < m_height) m_pixels[Index(x, y)] = colour;
}

void Raster::Blend(int x, int y, Colour colour, int amount) {
    if (amount <= 0 || x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    Colour& pixel = m_pixels[Index(x, y)];
    pixel = amount >= 255 ? colour : Mix(pixel, colour, amount);
}

void Raster::FillBox(const Box& box, Colour colour) {
    for (int y = box.y; y < box.Bottom(); ++y)
        for (int x = box.x; x < box.Right(); ++x) Set(x, y, colour);
}

void Raster::FillVerticalGradient(const Box& box, Colour top, Colour bottom) {
    for (int y = box.y; y < box.Bottom(); ++y) {
        int amount = box.height > 1 ? (y - box.y) * 255 / (box.height - 1) : 0;
        Colour row = Mix(top, bottom, amount);
        for (int x = box.x; x < box.Right(); ++x) Set(x, y, row);
    }
}

int RoundBoxCoverage(const Box& box, int radius, int x, int y) {
    if (x < box.x || y < box.y || x >= box.Right() || y >= box.Bottom()) return 0;
    // Away from the corners a pixel is wholly inside; only corners need samples.
    bool besideCorners = (x >= box.x + radius && x + 1 <= box.Right() - radius) ||
                         (y >= box.y + radius && y + 1 <= box.Bottom() - radius);
    if (besideCorners) return 255;
    return SampleCoverage(x, y, [&](double px, double py) { return InsideRoundBox(box, radius, px, py); });
}

void Raster::FillRoundBox(const Box& box, int radius, Colour colour) {
    for (int y = box.y; y < box.Bottom(); ++y)
        for (int x = box.x; x < box.Right(); ++x) Blend(x, y, colour, RoundBoxCoverage(box, radius, x, y));
}

void Raster::FrameRoundBox(const Box& box, int radius, Colour colour) {
    Box inner = box.Inset(1);
    int innerRadius = std::max(0, radius - 1);
    // Only pixels within the radius of an edge can belong to the outline.
    int reach = std::max(radius, 1) + 1;
    for (int y = box.y; y < box.Bottom(); ++y)
        for (int x = box.x; x < box.Right(); ++x) {
            bool nearEdge = x < box.x + reach || x >= box.Right() - reach || y < box.y + reach || y >= box.Bottom() - reach;
            if (!nearEdge) continue;
            int outer = RoundBoxCoverage(box, radius, x, y);
            int hole = inner.width > 0 && inner.height > 0 ? RoundBoxCoverage(inner, innerRadius, x, y) : 0;
            Blend(x, y, colour, std::max(0, outer - hole));
        }
}

void Raster::FillPolygon(const std::vector<double>& xy, Colour colour) {
    if (xy.size() < 6) return;
    double left = xy[0], right = xy[0], top = xy[1], bottom = xy[1];
    for (size_t i = 0; i + 1 < xy.size(); i += 2) {
        left = std::min(left, xy[i]);
        right = std::max(right, xy[i]);
        top = std::min(top, xy[i + 1]);
        bottom = std::max(bottom, xy[i + 1]);
    }
    for (int y = static_cast<int>(std::floor(top)); y < static_cast<int>(std::ceil(bottom)); ++y)
        for (int x = static_cast<int>(std::floor(left)); x < static_cast<int>(std::ceil(right)); ++x)
            Blend(x, y, colour, SampleCoverage(x, y, [&](double px, double py) { return InsidePolygon(xy, px, py); }));
}

void Raster::DrawCoverage(int x, int y, const Coverage& coverage, Colour colour) {
    for (int row = 0; row < coverage.height; ++row)
        for (int column = 0; column < coverage.width; ++column)
            Blend(x + column, y + row, colour, coverage.At(column, row));
}

void Raster::Paste(int x, int y, const Raster& source) {
    for (int row = 0; row < source.Height(); ++row)
        for (int column = 0; column < source.Width(); ++column) Set(x + column, y + row, source.At(column, row));
}
