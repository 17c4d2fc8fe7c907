// Position and value arithmetic of a skinned slider: a track with a thumb
// moving along one axis. All coordinates are along that axis (x for the
// horizontal slider, y for the vertical one) in track coordinates; the
// thumb's other coordinate is fixed at 0.
#pragma once

#include "skin/core/ValueRange.h"

#include <cstdint>

enum class SliderOrientation { Horizontal, Vertical };

class SliderModel {
public:
    explicit SliderModel(SliderOrientation orientation = SliderOrientation::Horizontal)
        : m_orientation(orientation) {}

    SliderOrientation Orientation() const { return m_orientation; }

    // The thumb may move within [spanStart, spanEnd - thumbLength]; the track
    // gives its full length (0 .. width or height) at creation. The thumb is
    // moved to the current value.
    void SetSpan(int32_t spanStart, int32_t spanEnd, int32_t thumbLength);
    int32_t SpanStart() const { return m_spanStart; }
    int32_t SpanEnd() const { return m_spanEnd; }
    int32_t ThumbLength() const { return m_thumbLength; }
    // spanEnd - spanStart - thumbLength, never negative.
    int32_t UsableLength() const;

    // False (and nothing changes) for min >= max. Otherwise the value is kept
    // inside the new range and the thumb follows it.
    bool SetRange(int32_t minimum, int32_t maximum);
    int32_t Minimum() const { return m_range.minimum; }
    int32_t Maximum() const { return m_range.maximum; }

    void SetSnap(bool snap) { m_snap = snap; }
    bool Snap() const { return m_snap; }

    // Moves the thumb without notifying. Horizontal: clamped to the range;
    // vertical: a value outside the range is put at the minimum.
    void SetValue(int32_t value);
    int32_t Value() const { return m_value; }
    int32_t ThumbPosition() const { return m_thumbPosition; }

    // spanStart + L * (value - min) / (max - min), integer division.
    int32_t PositionOfValue(int32_t value) const;
    // While dragging: min + (pos - spanStart) * (max - min) / L, integer
    // division, clamped.
    int32_t DragValueAt(int32_t position) const;
    // On release: the same in floating point, rounded to nearest (halves up)
    // with snap, truncated without; clamped.
    int32_t ReleaseValueAt(int32_t position) const;

    void SetDraggable(bool draggable) { m_draggable = draggable; }
    bool Draggable() const { return m_draggable; }
    bool Dragging() const { return m_dragging; }

    // Button down on the thumb, grabOffset = the pointer inside the thumb.
    // False when the thumb is not draggable (then nothing starts).
    bool BeginDrag(int32_t grabOffset);
    // Pointer move while dragging, pointer in track coordinates: the thumb
    // moves to pointer - grab (kept inside the span) and the value follows.
    // Returns the value to report.
    int32_t DragTo(int32_t pointer);
    // Button up: the release value of the thumb's position; with snap the
    // thumb moves to that value's exact position. Returns the value to report.
    int32_t EndDrag();
    // Capture taken away: dragging stops, value and thumb stay.
    void CancelDrag() { m_dragging = false; }

    // Left button released on the track outside the thumb at pointer (track
    // coordinates) on a track of trackLength: the value there (floating
    // point, snap as on release, clamped); the thumb moves to it. Returns the
    // value to report.
    int32_t ClickTrack(int32_t pointer, int32_t trackLength);

private:
    int32_t RoundOrTruncate(double value) const;

    SliderOrientation m_orientation;
    ValueRange m_range;
    int32_t m_value = 0;
    int32_t m_spanStart = 0;
    int32_t m_spanEnd = 0;
    int32_t m_thumbLength = 0;
    int32_t m_thumbPosition = 0;
    int32_t m_grabOffset = 0;
    bool m_snap = false;
    bool m_draggable = false;
    bool m_dragging = false;
};
