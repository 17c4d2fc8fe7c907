#include "NoticeLayout.h"

#include <algorithm>
#include <cmath>

namespace herald {

int MaximumTextWidth(const Rectangle& workArea) {
    return std::max(1, workArea.width - 2 * kSideMargin - kAccentBarWidth - 2 * kTextPaddingX);
}

Rectangle PlacePanel(const Rectangle& workArea, int textWidth, int textHeight) {
    Rectangle panel;
    panel.width = std::max(kMinimumPanelWidth, kAccentBarWidth + 2 * kTextPaddingX + std::max(0, textWidth));
    panel.height = 2 * kTextPaddingY + std::max(kTextHeight, textHeight);
    panel.x = workArea.x + (workArea.width - panel.width) / 2;
    panel.y = workArea.y + workArea.height - kBottomMargin - panel.height;
    // A short work area: keep the panel on it.
    panel.y = std::max(workArea.y, panel.y);
    return panel;
}

Rectangle TextBox(int panelWidth, int panelHeight, int textWidth, int textHeight) {
    const int left = kAccentBarWidth + kTextPaddingX;
    const int room = panelWidth - left - kTextPaddingX;
    Rectangle box;
    box.width = std::min(textWidth, room);
    box.height = textHeight;
    box.x = left + (room - box.width) / 2;
    box.y = (panelHeight - textHeight) / 2;
    return box;
}

uint8_t RoundedCoverage(int x, int y, int width, int height, int radius) {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    radius = std::min(radius, std::min(width, height) / 2);
    if (radius <= 0) return 255;
    // Distance of the pixel centre from the nearest corner circle's centre;
    // pixels off the corner squares are inside.
    const double px = x + 0.5;
    const double py = y + 0.5;
    const double cx = std::clamp(px, static_cast<double>(radius), static_cast<double>(width - radius));
    const double cy = std::clamp(py, static_cast<double>(radius), static_cast<double>(height - radius));
    const double outside = std::hypot(px - cx, py - cy) - radius;
    const double cover = std::clamp(0.5 - outside, 0.0, 1.0);
    return static_cast<uint8_t>(std::lround(cover * 255));
}

}  // namespace herald
