// The performance page in a test frame, driven by pointer clicks at its skin
// rectangles and drags of its slider thumbs; the edit copy is then read.
#include <windows.h>

#include <gtest/gtest.h>

#include "monitor/device/ConfigurationReport.h"
#include "monitor/device/DeviceCommand.h"
#include "option/pages/settings/win32/PerformancePage.h"
#include "option/pages/settings/win32/tests/PageTestHost.h"
#include "profile/win32/WindowsPointerSystem.h"
#include "testing/MessagePump.h"

namespace {

using namespace performance;
using testsupport::PumpPending;

class PerformancePageTest : public SettingsPageTest {
protected:
    SkinnedPage& Page() override { return m_page; }
    void SetUp() override {
        m_systemDoubleClick = GetDoubleClickTime();
        SettingsPageTest::SetUp();
    }
    void TearDown() override {
        m_page.EditsDropped();
        SetDoubleClickTime(m_systemDoubleClick);
        SettingsPageTest::TearDown();
    }
    void Click(int key) { ClickKey(m_page.Handle(), kSkinFile, key); }

    UINT m_systemDoubleClick = 0;
    WindowsPointerSystem m_pointer{nullptr};
    PerformancePage m_page{m_pointer};
};

TEST_F(PerformancePageTest, Clicks_WriteEveryRowAndScale) {
    const struct {
        const char* what;
        int key;
        int32_t ProfileRecord::*field;
        int32_t value;
    } rows[] = {
        {"report rate 1000 Hz", kFirstReportRate + 3, &ProfileRecord::PollingRate, 3},
        {"report rate 125 Hz", kFirstReportRate, &ProfileRecord::PollingRate, 0},
        {"wheel mode 1", kFirstWheelMode + 1, &ProfileRecord::ScrollWheelFlag, 1},
        {"scroll lines 7", kFirstScrollLines + 6, &ProfileRecord::ScrollWheelSpeed, 7},
        {"double-click step 10 stores 200 ms", kFirstDoubleClick + 9, &ProfileRecord::DbleClickSpeed, 200},
        {"double-click step 5 stores 550 ms", kFirstDoubleClick + 4, &ProfileRecord::DbleClickSpeed, 550},
        {"pointer-speed step 3 stores 6", kFirstPointerSpeed + 2, &ProfileRecord::MouseSpeed, 6},
    };
    for (const auto& row : rows) {
        Click(row.key);
        EXPECT_EQ(Record().*row.field, row.value) << row.what;
    }
}

TEST_F(PerformancePageTest, ResolutionRowAndAccelerationToggle) {
    Record().AccelerationFlag = 0;
    Record().Acceleration = 0;
    m_page.Refresh();
    Click(kFirstResolution + 6);  // "3200"
    EXPECT_EQ(Record().CpiLevel_X[4], 7);
    Click(kAcceleration);
    EXPECT_EQ(Record().AccelerationFlag, 1);
    EXPECT_EQ(Record().Acceleration, 8);
    SaveScreenshot("performance_page");
    Click(kAcceleration);
    EXPECT_EQ(Record().AccelerationFlag, 0);
    EXPECT_EQ(Record().Acceleration, 0);
}

TEST_F(PerformancePageTest, Sliders_SnapAndUseTheSpeedTable) {
    const struct {
        const char* what;
        int key;
        int minimum, maximum, value;
        int32_t ProfileRecord::*field;
        int32_t stored;
    } rows[] = {
        {"pointer position 3 is speed 4", kPointerSpeedSlider, 1, 11, 3, &ProfileRecord::MouseSpeed, 4},
        {"pointer position 11 is speed 20", kPointerSpeedSlider, 1, 11, 11, &ProfileRecord::MouseSpeed, 20},
        {"pointer position 1 is speed 1", kPointerSpeedSlider, 1, 11, 1, &ProfileRecord::MouseSpeed, 1},
        {"scroll lines 9", kScrollLinesSlider, 1, 10, 9, &ProfileRecord::ScrollWheelSpeed, 9},
        {"tilt speed 2", kTiltSpeedSlider, 1, 10, 2, &ProfileRecord::TiltSpeed, 2},
        {"tilt speed 10", kTiltSpeedSlider, 1, 10, 10, &ProfileRecord::TiltSpeed, 10},
    };
    for (const auto& row : rows) {
        DragSliderTo(m_page.Handle(), kSkinFile, row.key, row.minimum, row.maximum, row.value);
        EXPECT_EQ(Record().*row.field, row.stored) << row.what;
    }
}

// The double-click slider tries its time on the system at once; dropping
// the edits (close or cancel without Apply) puts the system's time back.
TEST_F(PerformancePageTest, DoubleClickSlider_TriedAtOnceAndRestoredWhenDropped) {
    Record().DbleClickSpeed = 500;
    m_page.Refresh();
    SetDoubleClickTime(500);
    DragSliderTo(m_page.Handle(), kSkinFile, kDoubleClickSlider, 0, 700, 600);
    const int32_t stored = Record().DbleClickSpeed;
    EXPECT_LT(stored, 400);  // far right: a short time
    EXPECT_EQ(GetDoubleClickTime(), static_cast<UINT>(stored));
    DragSliderTo(m_page.Handle(), kSkinFile, kDoubleClickSlider, 0, 700, 100);
    EXPECT_GT(Record().DbleClickSpeed, 700);
    m_page.EditsDropped();
    EXPECT_EQ(GetDoubleClickTime(), 500u);
    // After Apply the tried time stays.
    DragSliderTo(m_page.Handle(), kSkinFile, kDoubleClickSlider, 0, 700, 350);
    const UINT applied = GetDoubleClickTime();
    EXPECT_NE(applied, 500u);
    m_page.EditsApplied();
    m_page.EditsDropped();
    EXPECT_EQ(GetDoubleClickTime(), applied);
}

TEST_F(PerformancePageTest, CancelButton_UndoesThePageAndOkKeeps) {
    const int32_t rate = Record().PollingRate;
    Click(kFirstReportRate + (rate == 2 ? 1 : 2));
    Click(kOk);
    const int32_t kept = Record().PollingRate;
    EXPECT_NE(kept, rate);
    Click(kFirstScrollLines + 9);
    EXPECT_EQ(Record().ScrollWheelSpeed, 10);
    Click(kCancel);
    EXPECT_EQ(Record().PollingRate, kept);
    EXPECT_NE(Record().ScrollWheelSpeed, 10);
}

// What the mouse receives for the edited record: the report-rate command
// carries the rate code and the configuration report the level code of the
// resolution choice (3200 is choice 7, level code 7).
TEST_F(PerformancePageTest, EditedRecord_GivesTheDeviceValues) {
    Click(kFirstReportRate + 3);
    Click(kFirstResolution + 6);
    const device::DeviceCommand rate = device::ReportRateCommand(0, Record().PollingRate);
    EXPECT_EQ(rate[0], 0x03);
    EXPECT_EQ(rate[1], 1);  // slot 0 + 1
    EXPECT_EQ(rate[2], 1);  // 1000 Hz: interval 1 ms
    const device::ReportData report = device::BuildConfigurationReport(Record());
    EXPECT_EQ(report[88], 7);
    EXPECT_EQ(report[96], 7);
}

// A stored tilt speed outside 1..10 shows as the factory value 3.
TEST_F(PerformancePageTest, TiltSlider_ShowsAnOutOfRangeValueAsThree) {
    auto thumbLeft = [&](int32_t stored) {
        Record().TiltSpeed = stored;
        m_page.Refresh();
        RECT thumb{};
        GetWindowRect(SliderThumb(m_page.Handle(), kSkinFile, kTiltSpeedSlider), &thumb);
        return thumb.left;
    };
    const LONG three = thumbLeft(3);
    ASSERT_NE(thumbLeft(10), three);
    for (int32_t stored : {0, 11, -1, INT32_MIN, INT32_MAX}) EXPECT_EQ(thumbLeft(stored), three) << stored;
    SaveScreenshot("performance_page_tilt_speed_damaged");
}

}  // namespace
