// The performance page: resolution row and label, report rate, wheel mode,
// acceleration, the double-click, pointer-speed and scroll-line scales with
// their sliders, and tilt speed. Every change goes into the current record
// at once; the double-click time is also tried on the system at once, and
// put back unless the edits are applied.
#pragma once

#include <vector>

#include "option/pages/settings/core/DoubleClickKeeper.h"
#include "option/pages/settings/core/PerformanceRules.h"
#include "option/pages/settings/win32/SettingsPageNames.h"
#include "option/pages/settings/win32/SkinnedPage.h"
#include "skin/win32/GdiOwners.h"

class PointerSystem;

class PerformancePage : public SkinnedPage {
public:
    // The pointer system receives the tried double-click times.
    explicit PerformancePage(PointerSystem& pointer) : m_pointer(pointer) {}

    void Refresh() override;

    // For the main window: after Apply wrote the pointer settings, and when
    // it closes or cancels without Apply (puts the system's double-click
    // time back to what it was before the first trial).
    void EditsApplied();
    void EditsDropped();

protected:
    const char* WindowClassName() const override { return performance::kWindowClass; }
    std::string SkinFileName() const override { return performance::kSkinFile; }
    void CreateControls(WindowSkin& skin) override;
    void PaintOverlay(HDC dc) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnSlider(UINT identifier, int value);
    LRESULT OnCommand(HWND button);
    void ShowSelection();
    void TryDoubleClickTime(int32_t milliseconds);
    void RedrawLabel();

    PointerSystem& m_pointer;
    DoubleClickKeeper m_doubleClick;
    PerformanceFields m_shown{};  // the fields when last refreshed or confirmed
    std::vector<SkinButton*> m_resolution, m_reportRate, m_wheelMode, m_scrollLines, m_doubleClickScale,
        m_pointerScale;
    SkinButton* m_acceleration = nullptr;
    SkinButton* m_ok = nullptr;
    SkinButton* m_cancel = nullptr;
    SkinSlider* m_sliders[4] = {};
    RECT m_labelRect{};
    Font m_labelFont;
};
