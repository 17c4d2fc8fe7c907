#include "skin/core/SliderModel.h"

#include <algorithm>
#include <cmath>

void SliderModel::SetSpan(int32_t spanStart, int32_t spanEnd, int32_t thumbLength) {
    m_spanStart = spanStart;
    m_spanEnd = spanEnd;
    m_thumbLength = thumbLength > 0 ? thumbLength : 0;
    m_thumbPosition = PositionOfValue(m_value);
}

int32_t SliderModel::UsableLength() const {
    const int64_t length = static_cast<int64_t>(m_spanEnd) - m_spanStart - m_thumbLength;
    return length > 0 ? static_cast<int32_t>(std::min<int64_t>(length, INT32_MAX)) : 0;
}

bool SliderModel::SetRange(int32_t minimum, int32_t maximum) {
    if (!m_range.Set(minimum, maximum)) return false;
    SetValue(m_value);
    return true;
}

void SliderModel::SetValue(int32_t value) {
    const bool outside = value < m_range.minimum || value > m_range.maximum;
    if (m_orientation == SliderOrientation::Vertical && outside)
        m_value = m_range.minimum;
    else
        m_value = m_range.Clamp(value);
    m_thumbPosition = PositionOfValue(m_value);
}

int32_t SliderModel::PositionOfValue(int32_t value) const {
    const int64_t offset = static_cast<int64_t>(UsableLength()) * (static_cast<int64_t>(value) - m_range.minimum) /
                           m_range.Extent();
    return static_cast<int32_t>(m_spanStart + offset);
}

int32_t SliderModel::DragValueAt(int32_t position) const {
    const int32_t length = UsableLength();
    if (length == 0) return m_range.minimum;
    const int64_t value =
        m_range.minimum + (static_cast<int64_t>(position) - m_spanStart) * m_range.Extent() / length;
    return static_cast<int32_t>(std::clamp<int64_t>(value, m_range.minimum, m_range.maximum));
}

int32_t SliderModel::RoundOrTruncate(double value) const {
    const double chosen = m_snap ? std::floor(value + 0.5) : std::trunc(value);
    return static_cast<int32_t>(std::clamp<double>(chosen, m_range.minimum, m_range.maximum));
}

int32_t SliderModel::ReleaseValueAt(int32_t position) const {
    const int32_t length = UsableLength();
    if (length == 0) return m_range.minimum;
    const double value = m_range.minimum + (static_cast<double>(position) - m_spanStart) *
                                               static_cast<double>(m_range.Extent()) / length;
    return RoundOrTruncate(value);
}

bool SliderModel::BeginDrag(int32_t grabOffset) {
    if (!m_draggable) return false;
    m_dragging = true;
    m_grabOffset = grabOffset;
    return true;
}

int32_t SliderModel::DragTo(int32_t pointer) {
    if (!m_dragging) return m_value;
    const int64_t lowest = m_spanStart;
    const int64_t highest = std::max<int64_t>(lowest, static_cast<int64_t>(m_spanEnd) - m_thumbLength);
    const int64_t wanted = static_cast<int64_t>(pointer) - m_grabOffset;
    m_thumbPosition = static_cast<int32_t>(std::clamp(wanted, lowest, highest));
    m_value = DragValueAt(m_thumbPosition);
    return m_value;
}

int32_t SliderModel::EndDrag() {
    if (!m_dragging) return m_value;
    m_dragging = false;
    m_value = ReleaseValueAt(m_thumbPosition);
    if (m_snap) m_thumbPosition = PositionOfValue(m_value);
    return m_value;
}

int32_t SliderModel::ClickTrack(int32_t pointer, int32_t trackLength) {
    if (trackLength <= 0) {
        m_value = m_range.minimum;
    } else {
        const double value = m_range.minimum + static_cast<double>(pointer) *
                                                   static_cast<double>(m_range.Extent()) / trackLength;
        m_value = RoundOrTruncate(value);
    }
    m_thumbPosition = PositionOfValue(m_value);
    return m_value;
}
