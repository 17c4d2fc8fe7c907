#include "option/pages/settings/win32/PerformancePage.h"

#include "profile/TiltSpeed.h"
#include "skin/core/SkinMessages.h"
#include "skin/core/SkinStyle.h"

using namespace performance;

namespace {

constexpr UINT kFirstSliderId = kDoubleClickSliderId;
constexpr COLORREF kLabelColour = RGB(0, 0, 0);

}  // namespace

void PerformancePage::CreateControls(WindowSkin& skin) {
    m_labelFont = CreateSkinFont(kResolutionLabelFont);
    m_labelRect = ToRect(skin.Entry(kResolutionLabel).rect);
    m_resolution = AddButtonRow(skin, kFirstResolution, kResolutionChoices);
    m_reportRate = AddButtonRow(skin, kFirstReportRate, kReportRateChoices);
    m_wheelMode = AddButtonRow(skin, kFirstWheelMode, kWheelModes);
    m_scrollLines = AddButtonRow(skin, kFirstScrollLines, kScaleSteps);
    m_doubleClickScale = AddButtonRow(skin, kFirstDoubleClick, kScaleSteps);
    m_pointerScale = AddButtonRow(skin, kFirstPointerSpeed, kScaleSteps);
    m_acceleration = skin.AddButton(kAcceleration);
    if (m_acceleration) m_acceleration->SetToggleMode(true);
    m_ok = skin.AddButton(kOk);
    m_cancel = skin.AddButton(kCancel);
    m_sliders[0] = AddSkinSlider(skin, Handle(), kDoubleClickSlider, kDoubleClickSliderId, kThumbDownImage, 0,
                                 kDoubleClickSliderMaximum, false);
    m_sliders[1] = AddSkinSlider(skin, Handle(), kPointerSpeedSlider, kPointerSpeedSliderId, kThumbDownImage,
                                 kPointerSliderMinimum, kPointerSliderMaximum, true);
    m_sliders[2] = AddSkinSlider(skin, Handle(), kScrollLinesSlider, kScrollLinesSliderId, kThumbDownImage,
                                 kLinesSliderMinimum, kLinesSliderMaximum, true);
    m_sliders[3] = AddSkinSlider(skin, Handle(), kTiltSpeedSlider, kTiltSpeedSliderId, kThumbDownImage,
                                 kLinesSliderMinimum, kLinesSliderMaximum, true);
}

void PerformancePage::Refresh() {
    const ProfileRecord& record = Record();
    m_shown = PerformanceFieldsOf(record);
    if (m_sliders[0]) m_sliders[0]->SetValue(DoubleClickSliderOf(record.DbleClickSpeed));
    if (m_sliders[1]) m_sliders[1]->SetValue(PointerPositionOfSpeed(record.MouseSpeed));
    if (m_sliders[2]) m_sliders[2]->SetValue(record.ScrollWheelSpeed);
    if (m_sliders[3]) m_sliders[3]->SetValue(EffectiveTiltSpeed(record.TiltSpeed));
    ShowSelection();
}

void PerformancePage::ShowSelection() {
    const PerformanceSelection selection = SelectionOf(Record());
    SelectOnly(m_wheelMode, selection.wheelMode);
    SelectOnly(m_reportRate, selection.reportRate);
    SelectOnly(m_resolution, selection.resolution);
    SelectOnly(m_scrollLines, selection.scrollLines);
    SelectOnly(m_pointerScale, selection.pointerSpeed);
    SelectOnly(m_doubleClickScale, selection.doubleClick);
    if (m_acceleration) m_acceleration->SetSelected(selection.acceleration);
    RedrawLabel();
}

void PerformancePage::EditsApplied() { m_doubleClick.Applied(); }

void PerformancePage::EditsDropped() { m_doubleClick.Restore(m_pointer); }

void PerformancePage::TryDoubleClickTime(int32_t milliseconds) {
    m_doubleClick.Try(m_pointer, GetDoubleClickTime(), static_cast<uint32_t>(milliseconds));
}

void PerformancePage::RedrawLabel() {
    if (Handle()) InvalidateRect(Handle(), &m_labelRect, FALSE);
}

void PerformancePage::PaintOverlay(HDC dc) {
    DrawCentredText(dc, m_labelRect, ResolutionChoiceLabel(Record().CpiLevel_X[kResolutionChoiceLevel]),
                    m_labelFont.Get(), kLabelColour);
}

LRESULT PerformancePage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case MSG_SLIDER_POS: return OnSlider(static_cast<UINT>(lParam), static_cast<int>(wParam));
    case WM_COMMAND: return OnCommand(reinterpret_cast<HWND>(lParam));
    default: return SkinnedPage::HandleMessage(message, wParam, lParam);
    }
}

LRESULT PerformancePage::OnSlider(UINT identifier, int value) {
    ProfileRecord& record = Record();
    switch (identifier) {
    case kDoubleClickSliderId:
        record.DbleClickSpeed = DoubleClickTimeOfSlider(value);
        TryDoubleClickTime(record.DbleClickSpeed);
        break;
    case kPointerSpeedSliderId: record.MouseSpeed = PointerSpeedOfPosition(value); break;
    case kScrollLinesSliderId: record.ScrollWheelSpeed = value; break;
    case kTiltSpeedSliderId: record.TiltSpeed = value; break;
    default: break;
    }
    return 0;
}

LRESULT PerformancePage::OnCommand(HWND button) {
    ProfileRecord& record = Record();
    int index = -1;
    if ((index = IndexOfHandle(m_wheelMode, button)) >= 0) {
        record.ScrollWheelFlag = index;
        SelectOnly(m_wheelMode, index);
    } else if ((index = IndexOfHandle(m_reportRate, button)) >= 0) {
        record.PollingRate = index;
        SelectOnly(m_reportRate, index);
    } else if ((index = IndexOfHandle(m_resolution, button)) >= 0) {
        record.CpiLevel_X[kResolutionChoiceLevel] = index + 1;
        SelectOnly(m_resolution, index);
        RedrawLabel();
    } else if ((index = IndexOfHandle(m_scrollLines, button)) >= 0) {
        record.ScrollWheelSpeed = index + 1;
        SelectOnly(m_scrollLines, index);
    } else if ((index = IndexOfHandle(m_pointerScale, button)) >= 0) {
        record.MouseSpeed = PointerSpeedOfStep(index + 1);
        SelectOnly(m_pointerScale, index);
    } else if ((index = IndexOfHandle(m_doubleClickScale, button)) >= 0) {
        record.DbleClickSpeed = DoubleClickTimeOfStep(index + 1);
        SelectOnly(m_doubleClickScale, index);
    } else if (m_acceleration && button == m_acceleration->Handle()) {
        SetAcceleration(record, m_acceleration->Selected());
    } else if (m_ok && button == m_ok->Handle()) {
        m_shown = PerformanceFieldsOf(record);
    } else if (m_cancel && button == m_cancel->Handle()) {
        RestorePerformanceFields(record, m_shown);
        EditsDropped();
        Refresh();
    }
    return 0;
}
