// The resolution page in a test frame: level controls, sensitivity link and
// the colour dialog driven by pointer input at their skin rectangles.
#include <windows.h>

#include <gtest/gtest.h>

#include "monitor/device/ConfigurationReport.h"
#include "monitor/device/DeviceWritePlan.h"
#include "option/pages/settings/win32/ResolutionPage.h"
#include "option/pages/settings/win32/tests/PageTestHost.h"
#include "testing/MessagePump.h"

namespace {

using testsupport::PumpPending;
using testsupport::PumpUntil;

constexpr char kPageSkin[] = "skin_DPI.ini";
constexpr char kLevelSkin[] = "skin_dpi_level.ini";

class ResolutionPageTest : public SettingsPageTest {
protected:
    SkinnedPage& Page() override { return m_page; }
    HWND Level(int level) { return GetDlgItem(m_page.Handle(), 500 + level); }
    // A click inside level control `level` at its skin key.
    void ClickLevel(int level, int key) {
        ClickKey(Level(level), kLevelSkin, key);
        PumpPending();
    }
    void SetLevels(int32_t step, int32_t offLevel) {
        for (int level = 0; level < kLevelCount; ++level) {
            Record().CpiLevel_X[level] = level + 2;
            Record().dpiStepFlag[level] = level == offLevel ? 0 : 1;
        }
        Record().CpiStep = step;
        m_page.Refresh();
        PumpPending();
    }

    ResolutionPage m_page;
};

TEST_F(ResolutionPageTest, LevelControls_AreShapedChildrenWithTheirIdentifiers) {
    for (int level = 0; level < kLevelCount; ++level) {
        HWND control = Level(level);
        ASSERT_NE(control, nullptr) << level;
        RECT place{};
        GetClientRect(control, &place);
        EXPECT_EQ(place.right, 506) << level;
        EXPECT_EQ(place.bottom, 60) << level;
        // DPI_Window_Mask.bmp rounds the corners away.
        HRGN shape = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(control, shape), ERROR) << level;
        EXPECT_FALSE(PtInRegion(shape, 0, 0)) << level;
        EXPECT_TRUE(PtInRegion(shape, 253, 30)) << level;
        DeleteObject(shape);
    }
}

TEST_F(ResolutionPageTest, PresetsSliderToggleAndCurrent) {
    SetLevels(0, 3);
    const struct {
        const char* what;
        int level;
        int key;
        int32_t value2, flag2, step;  // CpiLevel_X2, dpiStepFlag2, CpiStep afterwards
    } rows[] = {
        {"preset 8 (2000) on level 2", 2, 12, 8, 1, 0},
        {"preset 1 (250) on level 2", 2, 5, 1, 1, 0},
        {"level 2 switched off", 2, 1, 1, 0, 0},
        {"level 2 switched on again", 2, 1, 1, 1, 0},
        {"level 2 made current", 2, 2, 1, 1, 2},
        {"toggle of the current level 2 is disabled", 2, 1, 1, 1, 2},
        {"level 4 made current", 4, 2, 1, 1, 4},
        {"level 2's toggle works again", 2, 1, 1, 0, 4},
    };
    for (const auto& row : rows) {
        ClickLevel(row.level, row.key);
        EXPECT_EQ(Record().CpiLevel_X[2], row.value2) << row.what;
        EXPECT_EQ(Record().dpiStepFlag[2], row.flag2) << row.what;
        EXPECT_EQ(Record().CpiStep, row.step) << row.what;
    }
    // The switched-off level 3 offers no preset: the click changes nothing.
    ClickLevel(3, 7);
    EXPECT_EQ(Record().CpiLevel_X[3], 5);
    // The slider reaches values above the presets: 12 (4000 dpi).
    DragSliderTo(Level(1), kLevelSkin, 3, 1, 12, 12);
    PumpPending();
    EXPECT_EQ(Record().CpiLevel_X[1], 12);
    DragSliderTo(Level(1), kLevelSkin, 3, 1, 12, 10);
    PumpPending();
    EXPECT_EQ(Record().CpiLevel_X[1], 10);
    SaveScreenshot("resolution_page");
}

TEST_F(ResolutionPageTest, SensitivityLink) {
    Record().XYSynchronous = 1;
    Record().Sensitivity_X = 3;
    Record().Sensitivity_Y = 8;
    m_page.Refresh();
    // Linking copies X into Y.
    ClickKey(m_page.Handle(), kPageSkin, 2);
    EXPECT_EQ(Record().XYSynchronous, 0);
    EXPECT_EQ(Record().Sensitivity_Y, 3);
    // Linked: moving Y moves X.
    DragSliderTo(m_page.Handle(), kPageSkin, 4, 0, 10, 7);
    EXPECT_EQ(Record().Sensitivity_Y, 7);
    EXPECT_EQ(Record().Sensitivity_X, 7);
    // Apart: moving X leaves Y.
    ClickKey(m_page.Handle(), kPageSkin, 2);
    EXPECT_EQ(Record().XYSynchronous, 1);
    DragSliderTo(m_page.Handle(), kPageSkin, 3, 0, 10, 2);
    EXPECT_EQ(Record().Sensitivity_X, 2);
    EXPECT_EQ(Record().Sensitivity_Y, 7);
}

TEST_F(ResolutionPageTest, PageButtons_DefaultsAndCopyToAllSlots) {
    SetLevels(3, 1);
    ClickKey(m_page.Handle(), kPageSkin, 21);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(m_host.EditCopy().Profiles[slot].CpiStep, 3) << slot;
        EXPECT_EQ(m_host.EditCopy().Profiles[slot].dpiStepFlag[1], 0) << slot;
    }
    ClickKey(m_page.Handle(), kPageSkin, 20);
    ProfileRecord defaults = Record();
    FillDefaults(defaults, 0);
    EXPECT_EQ(Record().CpiStep, defaults.CpiStep);
    EXPECT_EQ(Record().dpiStepFlag[1], defaults.dpiStepFlag[1]);
    EXPECT_EQ(m_host.EditCopy().Profiles[2].CpiStep, 3);  // other slots keep the copy
    EXPECT_GE(m_host.Refreshes(), 2);
}

// The colour dialog: a press in the colour field picks the pixel's colour,
// the green box's up arrow adds one to green, OK stores DPIColor; Cancel
// stores nothing.
TEST_F(ResolutionPageTest, ColourDialog_PickStepAndOk) {
    Record().DPIColor[1] = 0x00102030;
    m_page.Refresh();
    bool shot = false;
    WhenDialogOpens([&](HWND dialog) {
        ClickColourField(dialog, 0, 60);  // middle row, first column: pure red
        ClickUpArrow(dialog, kColourSkin, 3);  // the green box
        SaveScreenshot("colour_dialog");
        shot = true;
        ClickKey(dialog, kColourSkin, 6);
    });
    ClickKey(m_page.Handle(), kPageSkin, 11);
    ASSERT_TRUE(PumpUntil([&] { return shot; }));
    PumpPending();
    EXPECT_EQ(Record().DPIColor[1], 0x000001FF);

    WhenDialogOpens([&](HWND dialog) {
        ClickColourField(dialog, 0, 0);
        ClickKey(dialog, kColourSkin, 7);
    });
    ClickKey(m_page.Handle(), kPageSkin, 11);
    PumpPending();
    EXPECT_EQ(Record().DPIColor[1], 0x000001FF);
}

// What the agent sends for the edited record: with the level change flag
// set, the write holds the level command "04, slot + 1, CpiStep + 1" and the
// configuration report carries the level codes of the edited levels.
TEST_F(ResolutionPageTest, EditedRecord_GivesLevelCommandAndReport) {
    SetLevels(0, -1);
    ClickLevel(3, 12);  // level 3: 2000 dpi (value 8)
    DragSliderTo(Level(4), kLevelSkin, 3, 1, 12, 11);  // level 4: 3500 dpi (value 11)
    PumpPending();
    ClickLevel(3, 2);  // level 3 current
    SettingsBlock& block = m_host.EditCopy();
    block.LevelChanged[0] = 1;
    block.ConfigChanged[0] = 1;
    device::MacroStore macros;
    const auto steps = device::PlanDeviceWrite(block, device::DeviceWriteMode::Changed, macros);
    bool levelCommand = false;
    for (const auto& step : steps)
        if (step.StepKind == device::DeviceWriteStep::Kind::Command && step.Bytes[0] == 0x04) {
            EXPECT_EQ(step.Bytes[1], 1);  // slot 0 + 1
            EXPECT_EQ(step.Bytes[2], 4);  // CpiStep 3 + 1
            levelCommand = true;
        }
    EXPECT_TRUE(levelCommand);
    const device::ReportData report = device::BuildConfigurationReport(Record());
    EXPECT_EQ(report[84 + 3], 8);
    EXPECT_EQ(report[84 + 4], 23);
    EXPECT_EQ(report[92 + 3], 8);
    EXPECT_EQ(report[92 + 4], 23);
}

}  // namespace
