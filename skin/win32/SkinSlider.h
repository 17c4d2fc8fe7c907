// The skinned slider: a track window showing a face cut from its parent's
// Normal image, with a draggable thumb window shaped from its image. Value
// changes reach the parent as MSG_SLIDER_POS (value, identifier). The thumb
// is a tab stop moved by the arrow, page, Home and End keys; both windows
// carry the hint as their window text.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "frame/Window.h"
#include "skin/core/SliderModel.h"
#include "skin/win32/GdiOwners.h"
#include "skin/win32/HoverHint.h"

class SliderThumb;

class SkinSlider : public Window {
public:
    SkinSlider();
    ~SkinSlider() override;

    // False (nothing is created) when the thumb image cannot be read.
    bool Create(HWND parent, const RECT& rectangle, UINT identifier, const std::string& thumbImagePath,
                SliderOrientation orientation = SliderOrientation::Horizontal);
    // The parent's Normal image cut at the track's rectangle.
    void SetFace(Bitmap face);

    // False for min >= max (the range is then unchanged).
    bool SetRange(int minimum, int maximum);
    // Moves the thumb without notifying.
    void SetValue(int value);
    int Value() const;
    void SetSnap(bool snap);
    void Enable(bool enabled);
    void SetHint(const std::string& hint);
    const std::string& Hint() const { return m_hint; }
    UINT Identifier() const { return m_identifier; }
    HWND ThumbHandle() const;
    const SliderModel& Model() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate();
    LRESULT OnPaint();
    LRESULT OnLeftButtonUp(LPARAM lParam);
    LRESULT OnMouseMove();

    std::unique_ptr<SliderThumb> m_thumb;
    Bitmap m_face;
    std::string m_thumbImagePath;
    SliderOrientation m_orientation = SliderOrientation::Horizontal;
    UINT m_identifier = 0;
    std::string m_hint;
    HoverTracker m_hover;
};

// The thumb; public for the slider and for tests that drive it.
class SliderThumb : public Window {
public:
    SliderThumb(SliderOrientation orientation, std::string hint);
    bool Create(HWND track, Bitmap image, int trackLength);

    SliderModel& Model() { return m_model; }
    const SliderModel& Model() const { return m_model; }
    // Puts the window where the model has the thumb.
    void Place();
    void SetHint(const std::string& hint);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnPaint();
    LRESULT OnLeftButtonDown(LPARAM lParam);
    LRESULT OnMouseMove(LPARAM lParam);
    LRESULT OnLeftButtonUp();
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    int AlongInTrack(LPARAM lParam) const;
    void Report(int value);

    SliderModel m_model;
    Bitmap m_image;
    std::string m_hint;
    HoverTracker m_hover;
};
