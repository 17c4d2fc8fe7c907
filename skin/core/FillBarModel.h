// Value arithmetic of the fill bar: an empty image with the full image drawn
// over it from the left up to the value.
#pragma once

#include "skin/core/ValueRange.h"

#include <cstdint>

class FillBarModel {
public:
    // False (and nothing changes) for min >= max; the value is kept in range.
    bool SetRange(int32_t minimum, int32_t maximum);
    int32_t Minimum() const { return m_range.minimum; }
    int32_t Maximum() const { return m_range.maximum; }

    // Clamped to the range; no notification.
    void SetValue(int32_t value) { m_value = m_range.Clamp(value); }
    int32_t Value() const { return m_value; }

    void SetEnabled(bool enabled);
    bool Enabled() const { return m_enabled; }
    bool Dragging() const { return m_dragging; }

    // Width of the full image to draw: (value - min) * imageWidth / (max - min).
    int32_t FillWidth(int32_t imageWidth) const;

    // Button down: false when disabled (nothing starts).
    bool BeginDrag();
    // Move while dragging (and release): the pointer x, at least left, gives
    // min + (max - min) * (x - left) / (right - left), clamped. The value is
    // taken and returned for the caller to report.
    int32_t DragTo(int32_t pointerX, int32_t left, int32_t right);
    int32_t EndDrag(int32_t pointerX, int32_t left, int32_t right);
    void CancelDrag() { m_dragging = false; }

private:
    ValueRange m_range;
    int32_t m_value = 0;
    bool m_enabled = true;
    bool m_dragging = false;
};
