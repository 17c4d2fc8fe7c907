#include "skin/core/KeyboardNavigation.h"

#include <algorithm>
#include <numeric>

#include "skin/core/NumericText.h"

namespace {

constexpr int64_t kLinesPerPageFraction = 5;

bool SameLine(const SkinRect& a, const SkinRect& b) {
    const int64_t overlap = static_cast<int64_t>(std::min(a.bottom, b.bottom)) - std::max(a.top, b.top);
    const int64_t taller = std::max(static_cast<int64_t>(a.bottom) - a.top, static_cast<int64_t>(b.bottom) - b.top);
    return overlap > 0 && 2 * overlap >= taller;
}

}  // namespace

std::vector<size_t> ReadingOrder(const std::vector<SkinRect>& rectangles) {
    std::vector<size_t> byTop(rectangles.size());
    std::iota(byTop.begin(), byTop.end(), size_t{0});
    std::stable_sort(byTop.begin(), byTop.end(), [&](size_t a, size_t b) {
        const SkinRect& first = rectangles[a];
        const SkinRect& second = rectangles[b];
        return first.top != second.top ? first.top < second.top : first.left < second.left;
    });
    std::vector<size_t> order;
    std::vector<bool> placed(byTop.size(), false);
    for (size_t anchor = 0; anchor < byTop.size(); ++anchor) {
        if (placed[anchor]) continue;
        // A line takes every later rectangle on the anchor's line, even past
        // a taller one that starts between them.
        const size_t lineStart = order.size();
        for (size_t next = anchor; next < byTop.size(); ++next) {
            if (placed[next]) continue;
            if (next != anchor && !SameLine(rectangles[byTop[anchor]], rectangles[byTop[next]])) continue;
            placed[next] = true;
            order.push_back(byTop[next]);
        }
        std::stable_sort(order.begin() + static_cast<std::ptrdiff_t>(lineStart), order.end(),
                         [&](size_t a, size_t b) { return rectangles[a].left < rectangles[b].left; });
    }
    return order;
}

std::optional<StepKey> SliderStepKey(uint32_t virtualKey, bool vertical) {
    switch (virtualKey) {
    case kKeyLeft: return StepKey::Less;
    case kKeyRight: return StepKey::More;
    case kKeyUp: return vertical ? StepKey::Less : StepKey::More;
    case kKeyDown: return vertical ? StepKey::More : StepKey::Less;
    case kKeyPageUp: return vertical ? StepKey::PageLess : StepKey::PageMore;
    case kKeyPageDown: return vertical ? StepKey::PageMore : StepKey::PageLess;
    case kKeyHome: return StepKey::Minimum;
    case kKeyEnd: return StepKey::Maximum;
    default: return std::nullopt;
    }
}

std::optional<StepKey> ValueBoxStepKey(uint32_t virtualKey) {
    switch (virtualKey) {
    case kKeyUp: return StepKey::More;
    case kKeyDown: return StepKey::Less;
    case kKeyPageUp: return StepKey::PageMore;
    case kKeyPageDown: return StepKey::PageLess;
    default: return std::nullopt;
    }
}

int32_t PageLines(int64_t extent, int32_t lineStep) {
    const int64_t page = kLinesPerPageFraction * std::max<int64_t>(lineStep, 1);
    return static_cast<int32_t>(std::max<int64_t>((extent + page - 1) / page, 1));
}

int32_t SliderValueAfterKey(int32_t value, int32_t minimum, int32_t maximum, StepKey key) {
    const int64_t page = PageLines(static_cast<int64_t>(maximum) - minimum, 1);
    int64_t next = value;
    switch (key) {
    case StepKey::Less: next -= 1; break;
    case StepKey::More: next += 1; break;
    case StepKey::PageLess: next -= page; break;
    case StepKey::PageMore: next += page; break;
    case StepKey::Minimum: next = minimum; break;
    case StepKey::Maximum: next = maximum; break;
    }
    return static_cast<int32_t>(std::max<int64_t>(minimum, std::min<int64_t>(next, maximum)));
}

std::string ControlWindowText(const std::string& caption, const std::string& hint, const std::string& label) {
    const std::string& name = !caption.empty() ? caption : !hint.empty() ? hint : label;
    std::string text;
    for (char c : name) {
        if (c == '&') text += '&';
        text += c;
    }
    return text;
}
