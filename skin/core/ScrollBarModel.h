// Geometry, hit testing and thumb tracking of the skinned scroll bar. All
// coordinates run along the bar (y for a vertical bar, x for a horizontal
// one) from its top or left edge.
#pragma once

#include <cstdint>

// The codes sent to the parent in the low word of WM_VSCROLL / WM_HSCROLL
// (SB_LINEUP ... SB_THUMBTRACK).
enum class ScrollPart : int32_t {
    None = -1,
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
};

// Bit 0 of the bar's window style (SBS_VERT) makes it vertical.
constexpr uint32_t kScrollVerticalStyleBit = 0x0001;
// A press repeats: first after 500 ms (timer 200), then every 100 ms (timer 100).
constexpr uint32_t kScrollDelayTimerId = 200;
constexpr uint32_t kScrollDelayMs = 500;
constexpr uint32_t kScrollRepeatTimerId = 100;
constexpr uint32_t kScrollRepeatMs = 100;
// Thumb length when there is room for one.
constexpr int32_t kScrollMinimumThumb = 6;

// Pixel extents of the parts along the bar; end is exclusive.
struct ScrollSpan {
    int32_t start = 0;
    int32_t end = 0;
};

struct ScrollLayout {
    ScrollSpan lineUp;
    ScrollSpan pageUp;
    ScrollSpan thumb;  // empty when the track is too short for a thumb
    ScrollSpan pageDown;
    ScrollSpan lineDown;
};

class ScrollBarModel {
public:
    // thickness W (also each arrow's length) and length L of the bar.
    void SetSize(int32_t thickness, int32_t length);
    void SetRange(int32_t minimum, int32_t maximum);
    void SetPage(int32_t page);
    void SetPosition(int32_t position);

    int32_t Thickness() const { return m_thickness; }
    int32_t Length() const { return m_length; }
    int32_t Minimum() const { return m_minimum; }
    int32_t Maximum() const { return m_maximum; }
    int32_t Page() const { return m_page; }
    int32_t Position() const { return m_position; }
    // The thumb is drawn here while dragging, at the position otherwise.
    int32_t TrackingPosition() const { return m_dragging ? m_trackingPosition : m_position; }

    // T = L - 2W, 0 when negative.
    int32_t TrackLength() const;
    // Each arrow: W, or L / 2 when there is no track.
    int32_t ArrowLength() const;
    // max(6, page * T / (max - min + 1)) when T > 5, else 0; never above T.
    int32_t ThumbLength() const;
    // Offset of the thumb from the track start for a position: (T - thumb) *
    // position / (max - min - page + 1), the middle when that divisor is not
    // positive; kept inside the track.
    int32_t ThumbOffset(int32_t position) const;
    ScrollLayout Layout() const;

    // The part under a point along the bar; None outside the bar, so that a
    // captured pointer dragged off the bar stops the repeat.
    ScrollPart HitTest(int32_t along) const;

    // Thumb dragging: press at a point, moves, release.
    void BeginThumbDrag(int32_t along);
    bool Dragging() const { return m_dragging; }
    // The new tracking position: start + (max - min - page + 1) * (along -
    // press) / (T - thumb), clamped to [min, max - min - page + 1]. True when
    // it changed (the thumb is redrawn and ThumbTrack sent with it).
    bool DragTo(int32_t along);
    // Ends the drag; returns the tracking position to send with ThumbPosition.
    int32_t EndThumbDrag();

private:
    int32_t ScrollableSpan() const;  // max - min - page + 1

    int32_t m_thickness = 0;
    int32_t m_length = 0;
    int32_t m_minimum = 0;
    int32_t m_maximum = 0;
    int32_t m_page = 0;
    int32_t m_position = 0;
    bool m_dragging = false;
    int32_t m_dragStartPosition = 0;
    int32_t m_pressPoint = 0;
    int32_t m_trackingPosition = 0;
};

// Press-and-hold state of an arrow or page area: the part pressed and
// whether the pointer is still over it decide each repeat.
struct ScrollPressState {
    ScrollPart pressed = ScrollPart::None;
    ScrollPart hovered = ScrollPart::None;
    bool RepeatNow(ScrollPart underPointer) const {
        return pressed != ScrollPart::None && underPointer == pressed;
    }
};
