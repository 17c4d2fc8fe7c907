#include "skin/core/ScrollBarModel.h"

#include <algorithm>

void ScrollBarModel::SetSize(int32_t thickness, int32_t length) {
    m_thickness = std::max(thickness, 0);
    m_length = std::max(length, 0);
}

void ScrollBarModel::SetRange(int32_t minimum, int32_t maximum) {
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
}

void ScrollBarModel::SetPage(int32_t page) { m_page = std::max(page, 0); }

void ScrollBarModel::SetPosition(int32_t position) { m_position = position; }

int32_t ScrollBarModel::ScrollableSpan() const {
    return static_cast<int32_t>(static_cast<int64_t>(m_maximum) - m_minimum - m_page + 1);
}

int32_t ScrollBarModel::TrackLength() const { return std::max(0, m_length - 2 * m_thickness); }

int32_t ScrollBarModel::ArrowLength() const { return TrackLength() > 0 ? m_thickness : m_length / 2; }

int32_t ScrollBarModel::ThumbLength() const {
    const int32_t track = TrackLength();
    if (track <= 5) return 0;
    const int64_t values = static_cast<int64_t>(m_maximum) - m_minimum + 1;
    const int64_t proportional = static_cast<int64_t>(m_page) * track / values;
    return static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(kScrollMinimumThumb, proportional), track));
}

int32_t ScrollBarModel::ThumbOffset(int32_t position) const {
    const int32_t free = TrackLength() - ThumbLength();
    const int32_t span = ScrollableSpan();
    if (span <= 0) return free / 2;
    const int64_t offset = static_cast<int64_t>(free) * position / span;
    return static_cast<int32_t>(std::clamp<int64_t>(offset, 0, free));
}

ScrollLayout ScrollBarModel::Layout() const {
    const int32_t arrow = ArrowLength();
    const int32_t thumbStart = arrow + ThumbOffset(TrackingPosition());
    const int32_t thumbEnd = thumbStart + ThumbLength();
    ScrollLayout layout;
    layout.lineUp = {0, arrow};
    layout.pageUp = {arrow, thumbStart};
    layout.thumb = {thumbStart, thumbEnd};
    layout.pageDown = {thumbEnd, std::max(thumbEnd, m_length - arrow)};
    layout.lineDown = {m_length - arrow, m_length};
    return layout;
}

ScrollPart ScrollBarModel::HitTest(int32_t along) const {
    if (along < 0 || along >= m_length) return ScrollPart::None;
    const ScrollLayout layout = Layout();
    if (along < layout.lineUp.end) return ScrollPart::LineUp;
    if (along < layout.thumb.start) return ScrollPart::PageUp;
    if (along < layout.thumb.end) return ScrollPart::ThumbTrack;
    if (along < layout.lineDown.start) return ScrollPart::PageDown;
    return ScrollPart::LineDown;
}

void ScrollBarModel::BeginThumbDrag(int32_t along) {
    m_dragging = true;
    m_dragStartPosition = m_position;
    m_pressPoint = along;
    m_trackingPosition = m_position;
}

bool ScrollBarModel::DragTo(int32_t along) {
    if (!m_dragging) return false;
    const int32_t free = TrackLength() - ThumbLength();
    if (free <= 0) return false;
    const int64_t moved = static_cast<int64_t>(ScrollableSpan()) * (static_cast<int64_t>(along) - m_pressPoint) / free;
    const int64_t highest = std::max<int64_t>(m_minimum, ScrollableSpan());
    const int32_t tracking =
        static_cast<int32_t>(std::clamp<int64_t>(m_dragStartPosition + moved, m_minimum, highest));
    if (tracking == m_trackingPosition) return false;
    m_trackingPosition = tracking;
    return true;
}

int32_t ScrollBarModel::EndThumbDrag() {
    m_dragging = false;
    return m_trackingPosition;
}
