#include "skin/core/FillBarModel.h"

#include <algorithm>

bool FillBarModel::SetRange(int32_t minimum, int32_t maximum) {
    if (!m_range.Set(minimum, maximum)) return false;
    m_value = m_range.Clamp(m_value);
    return true;
}

void FillBarModel::SetEnabled(bool enabled) {
    m_enabled = enabled;
    if (!enabled) m_dragging = false;
}

int32_t FillBarModel::FillWidth(int32_t imageWidth) const {
    if (imageWidth <= 0) return 0;
    const int64_t width = (static_cast<int64_t>(m_value) - m_range.minimum) * imageWidth / m_range.Extent();
    return static_cast<int32_t>(std::clamp<int64_t>(width, 0, imageWidth));
}

bool FillBarModel::BeginDrag() {
    if (!m_enabled) return false;
    m_dragging = true;
    return true;
}

int32_t FillBarModel::DragTo(int32_t pointerX, int32_t left, int32_t right) {
    if (right <= left) {
        m_value = m_range.minimum;
        return m_value;
    }
    const int64_t x = std::max(pointerX, left);
    const int64_t value = m_range.minimum + m_range.Extent() * (x - left) / (static_cast<int64_t>(right) - left);
    m_value = static_cast<int32_t>(std::clamp<int64_t>(value, m_range.minimum, m_range.maximum));
    return m_value;
}

int32_t FillBarModel::EndDrag(int32_t pointerX, int32_t left, int32_t right) {
    m_dragging = false;
    return DragTo(pointerX, left, right);
}
