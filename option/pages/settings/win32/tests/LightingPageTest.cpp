// The lighting page in a test frame: the mode menu typed into, the mode
// selectors, and each sub-page's controls driven by pointer input.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "monitor/device/ConfigurationReport.h"
#include "option/pages/settings/win32/LightingPage.h"
#include "option/pages/settings/win32/tests/PageTestHost.h"
#include "testing/MessagePump.h"

namespace {

using testsupport::PumpPending;
using testsupport::PumpUntil;

constexpr char kPageSkin[] = "skin_light_setting.ini";
const char* const kSubPageSkins[] = {"skin_danse_light.ini", "skin_dandian_light.ini", "skin_xuancai_light.ini",
                                     "skin_qise_light.ini"};

std::vector<WORD> g_menuKeys;

void CALLBACK TypeIntoMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    for (WORD key : g_menuKeys) {
        INPUT inputs[2]{};
        inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
        inputs[0].ki.wVk = inputs[1].ki.wVk = key;
        inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, inputs, sizeof(INPUT));
    }
}

class LightingPageTest : public SettingsPageTest {
protected:
    SkinnedPage& Page() override { return m_page; }
    void ShowMode(int32_t mode) {
        Record().LightType = mode;
        m_page.Refresh();
        UpdateWindow(m_frame.Handle());
        PumpPending();
    }
    HWND VisibleSubPage() {
        HWND child = nullptr;
        while ((child = FindWindowExA(m_page.Handle(), child, "LightingSubPage", nullptr)))
            if (IsWindowVisible(child)) return child;
        return nullptr;
    }
    int VisibleSubPageCount() {
        int count = 0;
        HWND child = nullptr;
        while ((child = FindWindowExA(m_page.Handle(), child, "LightingSubPage", nullptr))) count += IsWindowVisible(child);
        return count;
    }
    void ClickSub(int mode, int key) { ClickKey(VisibleSubPage(), kSubPageSkins[mode], key); }
    void ChooseFromMenu(std::vector<WORD> keys) {
        g_menuKeys = std::move(keys);
        SetTimer(nullptr, 0, 200, TypeIntoMenu);
        ClickKey(m_page.Handle(), kPageSkin, 1);
        PumpPending();
    }

    LightingPage m_page;
};

TEST_F(LightingPageTest, ModeMenuAndSelectors_ShowTheSubPageOfTheMode) {
    ShowMode(0);
    // Third item: XuanCai.
    ChooseFromMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(Record().LightType, 2);
    ProfileRecord before = Record();
    // The same mode again changes nothing else.
    ChooseFromMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(std::memcmp(&before, &Record(), sizeof before), 0);
    const struct {
        int selectorKey;
        int32_t mode;
    } rows[] = {{6, 3}, {4, 1}, {3, 0}, {5, 2}};
    for (const auto& row : rows) {
        ClickKey(m_page.Handle(), kPageSkin, row.selectorKey);
        EXPECT_EQ(Record().LightType, row.mode) << row.selectorKey;
        EXPECT_EQ(VisibleSubPageCount(), 1) << row.selectorKey;
    }
    // An unknown mode shows the single-colour sub-page.
    ShowMode(7);
    EXPECT_EQ(VisibleSubPageCount(), 1);
    RECT area = SkinRectangle(kPageSkin, 2);
    HWND shown = VisibleSubPage();
    ASSERT_NE(shown, nullptr);
    RECT place{};
    GetClientRect(shown, &place);
    EXPECT_EQ(place.right, area.right - area.left);
}

TEST_F(LightingPageTest, DanSe_ColourOfTheCurrentLevelTypeSpeedAndSpecialSpeed) {
    Record().CpiStep = 2;
    for (int i = 0; i < 8; ++i) Record().ColorOptions[i] = 1;
    Record().DanSeSpeed = 4;
    Record().DanSeSpecielSpeed = 6;
    Record().DanSeType = 1;
    ShowMode(0);
    ClickSub(0, 7 + 5);  // colour 5
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Record().ColorOptions[i], i == 2 ? 5 : 1) << i;
    ClickSub(0, 1);  // type 2
    EXPECT_EQ(Record().DanSeType, 2);
    // Special speed usable at speed 4: one up.
    ClickUpArrow(VisibleSubPage(), kSubPageSkins[0], 5);
    EXPECT_EQ(Record().DanSeSpecielSpeed, 7);
    // Speed 3: the box is disabled, its clicks change nothing.
    DragSliderTo(VisibleSubPage(), kSubPageSkins[0], 3, 1, 4, 3);
    EXPECT_EQ(Record().DanSeSpeed, 3);
    ClickUpArrow(VisibleSubPage(), kSubPageSkins[0], 5);
    EXPECT_EQ(Record().DanSeSpecielSpeed, 7);
    // Back at 4 it works again with its value kept.
    DragSliderTo(VisibleSubPage(), kSubPageSkins[0], 3, 1, 4, 4);
    ClickUpArrow(VisibleSubPage(), kSubPageSkins[0], 5);
    EXPECT_EQ(Record().DanSeSpecielSpeed, 8);
    DragSliderTo(VisibleSubPage(), kSubPageSkins[0], 4, 1, 4, 2);
    EXPECT_EQ(Record().DanSeIntensity, 2);
    SaveScreenshot("lighting_danse");
}

TEST_F(LightingPageTest, DanDianAndXuanCai_SpeedsPairsAndToggles) {
    Record().NeonIntensity = 0;
    ShowMode(1);
    DragSliderTo(VisibleSubPage(), kSubPageSkins[1], 0, 1, 4, 1);
    EXPECT_EQ(Record().NeonSpeed, 1);
    ClickSub(1, 2);
    EXPECT_EQ(Record().NeonIntensity, 1);
    SaveScreenshot("lighting_dandian");

    Record().XuanCaiDirection = 0;
    Record().LightSwitch = 0;
    ShowMode(2);
    ClickSub(2, 3);
    EXPECT_EQ(Record().XuanCaiDirection, 1);
    ClickSub(2, 4);
    EXPECT_EQ(Record().LightSwitch, 1);
    DragSliderTo(VisibleSubPage(), kSubPageSkins[2], 0, 1, 4, 2);
    EXPECT_EQ(Record().XuanCaiSpeed, 2);
    SaveScreenshot("lighting_xuancai");
}

TEST_F(LightingPageTest, QiSe_SwatchThroughTheColourDialogAndTheReport) {
    Record().QiSeIntensity = 0;
    Record().QiSeType = 0;
    Record().ClQiSeColor[4] = 0x00808080;
    Record().ClQiSeColor[3] = 0x00123456;
    ShowMode(3);
    ClickSub(3, 3);
    EXPECT_EQ(Record().QiSeType, 1);
    DragSliderTo(VisibleSubPage(), kSubPageSkins[3], 0, 1, 4, 2);
    EXPECT_EQ(Record().QiSeSpeed, 2);
    bool picked = false;
    WhenDialogOpens([&](HWND dialog) {
        const RECT field = SkinRectangle(kColourSkin, 1);
        ClickColourField(dialog, (field.right - field.left - 1) / 3, 60);  // middle row, a third across: pure green
        picked = true;
        ClickKey(dialog, kColourSkin, 6);
    });
    ClickSub(3, 5 + 4);
    ASSERT_TRUE(PumpUntil([&] { return picked; }));
    PumpPending();
    EXPECT_EQ(Record().ClQiSeColor[4], 0x0000FF00);
    EXPECT_EQ(Record().ClQiSeColor[3], 0x00123456);
    SaveScreenshot("lighting_qise");
    // The mouse gets mode 2, rate 25 (speed 2), option 0.
    const device::LightingBytes lighting = device::LightingFor(Record());
    EXPECT_EQ(lighting.Mode, 2);
    EXPECT_EQ(lighting.Rate, 25);
    EXPECT_EQ(lighting.Option, 0);
    const device::ReportData report = device::BuildConfigurationReport(Record());
    EXPECT_EQ(report[71], 2);
    EXPECT_EQ(report[72], 25);
    // The off switch: the report's lighting bytes are all 0.
    ClickSub(3, 4);
    EXPECT_EQ(Record().QiSeIntensity, 1);
    EXPECT_EQ(device::BuildConfigurationReport(Record())[71], 0);
}

}  // namespace
