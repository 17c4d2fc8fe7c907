// The resolution, performance and lighting pages inside the real Option.exe,
// with Monitor.exe and the virtual mouse, driven by pointer clicks at the
// centres of the skin rectangles; what reaches the mouse is read from the
// transfer log, the double-click time from a fresh process.
#include <algorithm>
#include <cstring>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "OptionProgramFixture.h"
#include "testing/ProgramRun.h"
#include "testing/Screenshot.h"

namespace {

using optiontest::OptionFolder;
using optiontest::WaitFor;
using testsupport::SaveScreenshot;

constexpr int kLightingTabKey = 38;
constexpr int kPerformanceTabKey = 39;
constexpr int kResolutionTabKey = 40;

constexpr char kResolutionClass[] = "ResolutionPage";
constexpr char kLevelSkin[] = "skin_dpi_level.ini";
constexpr int kFirstLevelId = 500;
constexpr int kLevelCurrentKey = 2;
constexpr int kLevelPreset7Key = 11;  // value 7, "1750"
constexpr int kLevelPreset8Key = 12;  // value 8, "2000"
constexpr int kLevelTextKey = 4;

constexpr char kPerformanceClass[] = "PerformancePage";
constexpr char kPerformanceSkin[] = "skin_performance.ini";
constexpr int kResolution3200Key = 8;  // choice 7
constexpr int kRate1000Key = 13;       // PollingRate 3
constexpr int kDoubleClickSliderKey = 60;

constexpr char kLightingClass[] = "LightingPage";
constexpr char kLightingSkin[] = "skin_light_setting.ini";
constexpr int kQiSeSelectorKey = 6;
constexpr char kSubPageClass[] = "LightingSubPage";
constexpr char kQiSeSkin[] = "skin_qise_light.ini";
constexpr int kQiSeFifthSwatchKey = 9;  // ClQiSeColor4

constexpr char kColourSkin[] = "skin_dpi_color.ini";
constexpr int kColourFieldKey = 1;
constexpr int kColourOkKey = 6;

constexpr char kThumbClass[] = "SkinSliderThumb";
constexpr char kProbeName[] = "double_click_probe.exe";
constexpr int kThumbTravel = 120;  // pixels
constexpr UINT kStartDoubleClickMs = 450;

HWND VisibleChild(HWND parent, const char* className) {
    HWND child = nullptr;
    while ((child = FindWindowExA(parent, child, className, nullptr)))
        if (IsWindowVisible(child)) return child;
    return nullptr;
}

void Picture(HWND option, const char* name) {
    RedrawWindow(option, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SaveScreenshot(name);
}

// The double-click time as a newly started process sees it; 0 on failure.
UINT SystemDoubleClickTime() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string folder(path, strrchr(path, '\\') + 1);
    const DWORD code = testsupport::RunProgram("\"" + folder + kProbeName + "\"").exitCode;
    return code == 0xFFFFFFFF ? 0 : code;
}

// The texts of the edit fields inside `window`, top to bottom.
std::vector<std::string> EditTexts(HWND window) {
    std::vector<std::pair<LONG, std::string>> found;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM parameter) -> BOOL {
            char className[16] = {};
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, "Edit") != 0) return TRUE;
            char text[32] = {};
            SendMessageA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            RECT place{};
            GetWindowRect(child, &place);
            reinterpret_cast<std::vector<std::pair<LONG, std::string>>*>(parameter)->emplace_back(place.top, text);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    std::sort(found.begin(), found.end());
    std::vector<std::string> texts;
    for (const auto& edit : found) texts.push_back(edit.second);
    return texts;
}

class OptionSettingsPages : public OptionProgramFixture {
protected:
    // Opens the page behind the tab and returns it once it is shown.
    HWND ShowPage(int tabKey, const char* pageClass) const {
        HWND page = nullptr;
        m_folder.ClickUntil(m_option, kMainSkin, tabKey,
                            [&] { return (page = VisibleChild(m_option, pageClass)) != nullptr; });
        return page;
    }
    std::string SlotZeroValue(const char* key) const { return ProfileValue(SlotFile(m_folder, 0), key); }
    std::vector<COLORREF> LevelText(HWND level) const { return m_folder.KeyPixels(level, kLevelSkin, kLevelTextKey); }
};

TEST_F(OptionSettingsPages, WithAgent_LevelsReportRateLightingAndQiSeColourReachTheMouse) {
    ASSERT_TRUE(m_folder.StartAgent());
    // Slot 0 (the start's current slot) with the factory settings.
    const std::vector<uint8_t> levelCommand = {0x04, 0x01, 0x02, 0x00, 0x00, 0x00, 0x00, 0xF8};  // CpiStep 1
    const std::vector<uint8_t> rateCommand = {0x03, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0xFA};   // 1000 Hz
    const std::vector<uint8_t> configurationCommand = {0x0C, 0x01, 0x80, 0x00, 0x00, 0x00, 0x00, 0x72};
    const size_t levelsBefore = m_folder.CountTransfers(levelCommand);
    const size_t ratesBefore = m_folder.CountTransfers(rateCommand);
    const size_t reportsBefore = m_folder.CountTransfers(configurationCommand);
    ASSERT_TRUE(StartOption());

    // Resolution page: level 0 to preset 8, level 1 made current.
    Picture(m_option, "option_button_page");
    HWND resolution = ShowPage(kResolutionTabKey, kResolutionClass);
    ASSERT_NE(resolution, nullptr);
    Picture(m_option, "option_resolution_page");
    HWND level0 = GetDlgItem(resolution, kFirstLevelId);
    HWND level1 = GetDlgItem(resolution, kFirstLevelId + 1);
    ASSERT_NE(level0, nullptr);
    ASSERT_NE(level1, nullptr);
    ASSERT_TRUE(m_folder.ClickUntilChanged(level0, kLevelSkin, kLevelPreset8Key, kLevelTextKey));
    ASSERT_TRUE(m_folder.Click(level1, kLevelSkin, kLevelCurrentKey));
    // The new current level's enable toggle is disabled.
    ASSERT_TRUE(WaitFor([&] { return !m_folder.ControlEnabled(level1, kLevelSkin, 1); }));

    // Performance page: the last level to "3200", report rate 1000 Hz.
    HWND performance = ShowPage(kPerformanceTabKey, kPerformanceClass);
    ASSERT_NE(performance, nullptr);
    for (int choice : {kResolution3200Key, kRate1000Key})
        ASSERT_TRUE(m_folder.ClickUntilChanged(performance, kPerformanceSkin, choice, choice));
    Picture(m_option, "option_performance_page");

    // Lighting page: seven colours, the fifth colour picked in the colour
    // field (middle row, a third across: pure green).
    HWND lighting = ShowPage(kLightingTabKey, kLightingClass);
    ASSERT_NE(lighting, nullptr);
    // The factory mode is the colour cycle; its sub-page gives way.
    HWND shownBefore = VisibleChild(lighting, kSubPageClass);
    ASSERT_NE(shownBefore, nullptr);
    ASSERT_TRUE(m_folder.Click(lighting, kLightingSkin, kQiSeSelectorKey));
    HWND qise = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        qise = VisibleChild(lighting, kSubPageClass);
        return qise != nullptr && qise != shownBefore;
    }));
    ASSERT_TRUE(m_folder.Click(qise, kQiSeSkin, kQiSeFifthSwatchKey));
    HWND colour = m_folder.WaitForDialog(m_option);
    ASSERT_NE(colour, nullptr);
    RECT field{};
    ASSERT_TRUE(m_folder.KeyRect(colour, kColourSkin, kColourFieldKey, field));
    OptionFolder::ClickAt(field.left + (field.right - field.left - 1) / 3, field.top + 60);
    // Red, green and blue of the picked colour in the three value boxes.
    const std::vector<std::string> green = {"0", "255", "0"};
    EXPECT_TRUE(WaitFor([&] { return EditTexts(colour) == green; }));
    Picture(colour, "option_colour_dialog");
    ASSERT_TRUE(m_folder.Click(colour, kColourSkin, kColourOkKey));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(colour); }));
    Picture(m_option, "option_lighting_page");

    ASSERT_TRUE(ClickMain(kApplyKey));
    EXPECT_TRUE(m_folder.WaitForTransferCount(levelCommand, levelsBefore + 1));
    EXPECT_TRUE(m_folder.WaitForTransferCount(rateCommand, ratesBefore + 1));
    ASSERT_TRUE(m_folder.WaitForTransferCount(configurationCommand, reportsBefore + 1));
    std::vector<uint8_t> report;
    ASSERT_TRUE(WaitFor([&] { return (report = m_folder.DataAfterLast(configurationCommand)).size() >= 128; }));
    const std::vector<uint8_t> expected = {
        0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0..15
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,        // 16..31
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,        // 32..47
        0x35, 0xD4, 0x0B, 0x04, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x03, 0x00,  // 48..63
        0x0F, 0x00, 0x0A, 0x0A, 0x19, 0x19, 0x05,
        0x02, 0x19, 0x00,  // 71..73: seven colours, speed 2 (25), option 0
        0x64, 0x64,        // 74, 75: sensitivity 10 x 10
        0x01, 0xC0, 0xF0, 0x03, 0x01, 0x01, 0x64, 0x00,  // 76..83
        0x08, 0x06, 0x08, 0x16, 0x07,  // 84..88: levels 8, 6, 8, 10, 7 ("3200" is choice 7)
        0x07, 0x07, 0x07,
        0x08, 0x06, 0x08, 0x16, 0x07,  // 92..96: the same again
        0x07, 0x07, 0x07, 0x7F, 0xFF, 0xFF, 0xFF,  // 97..103
        // 104..127: ColorOptions 0, 1, 3, 2, 4, 5, 6, 7 (QiSe colours are not sent)
        0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00,
        0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    ASSERT_EQ(expected.size(), 128u);
    EXPECT_EQ(std::vector<uint8_t>(report.begin(), report.begin() + 128), expected);
    // The colour only the profile keeps: 0x00FF00 stored in the slot's file.
    EXPECT_TRUE(WaitFor([&] { return SlotZeroValue("ClQiSeColor4") == "65280"; })) << SlotZeroValue("ClQiSeColor4");
    EXPECT_EQ(SlotZeroValue("LightType"), "3");
    EXPECT_EQ(SlotZeroValue("PollingRate"), "3");
}

TEST_F(OptionSettingsPages, WithoutAgent_TriedDoubleClickTimeGoesBackWhenClosedWithoutApply) {
    // A known starting time that every new process sees (other programs of
    // the test prefix may have left any value behind).
    const UINT previous = GetDoubleClickTime();
    ASSERT_TRUE(SetDoubleClickTime(kStartDoubleClickMs));
    const UINT before = SystemDoubleClickTime();
    ASSERT_EQ(before, kStartDoubleClickMs);
    ASSERT_TRUE(StartOption());
    HWND performance = ShowPage(kPerformanceTabKey, kPerformanceClass);
    ASSERT_NE(performance, nullptr);

    POINT track{};
    RECT place{};
    ASSERT_TRUE(m_folder.KeyRect(performance, kPerformanceSkin, kDoubleClickSliderKey, place));
    track = POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    HWND trackWindow = WindowFromPoint(track);
    HWND thumb = FindWindowExA(trackWindow, nullptr, kThumbClass, nullptr);
    if (!thumb) thumb = FindWindowExA(GetParent(trackWindow), nullptr, kThumbClass, nullptr);
    ASSERT_NE(thumb, nullptr);
    RECT thumbPlace{};
    GetWindowRect(thumb, &thumbPlace);
    const POINT from{(thumbPlace.left + thumbPlace.right) / 2, (thumbPlace.top + thumbPlace.bottom) / 2};
    // Towards the other end of the track from wherever the thumb sits.
    const int direction = from.x < track.x ? 1 : -1;
    ASSERT_TRUE(OptionFolder::DragFromTo(thumb, from, POINT{from.x + direction * kThumbTravel, from.y}));
    // The trial reaches the system at once.
    UINT tried = before;
    ASSERT_TRUE(WaitFor([&] { return (tried = SystemDoubleClickTime()) != before; })) << before;

    ASSERT_TRUE(ClickMain(kCloseKey));
    ASSERT_TRUE(m_folder.WaitForOptionEnd());
    EXPECT_EQ(SystemDoubleClickTime(), before) << "tried " << tried;
    SetDoubleClickTime(previous);
}

// The performance page's resolution choice is the resolution page's last
// level: shown again, the resolution page shows it, and Apply stores it.
TEST_F(OptionSettingsPages, WithoutAgent_ResolutionPageShowsTheChoiceOfThePerformancePage) {
    ASSERT_TRUE(StartOption());
    HWND performance = ShowPage(kPerformanceTabKey, kPerformanceClass);
    ASSERT_NE(performance, nullptr);
    ASSERT_TRUE(m_folder.ClickUntilChanged(performance, kPerformanceSkin, kResolution3200Key, kResolution3200Key));
    HWND resolution = ShowPage(kResolutionTabKey, kResolutionClass);
    ASSERT_NE(resolution, nullptr);
    // The fourth level set to "1750" here; the fifth ("4000" before) shows the same text.
    HWND level3 = GetDlgItem(resolution, kFirstLevelId + 3);
    HWND level4 = GetDlgItem(resolution, kFirstLevelId + 4);
    ASSERT_TRUE(m_folder.ClickUntilChanged(level3, kLevelSkin, kLevelPreset7Key, kLevelTextKey));
    EXPECT_TRUE(WaitFor([&] { return LevelText(level4) == LevelText(level3); }));
    Picture(m_option, "option_resolution_page_after_performance");
    ASSERT_TRUE(ClickMain(kApplyKey));
    EXPECT_TRUE(WaitFor([&] { return SlotZeroValue("CpiLevel_X4") == "7"; }));
    EXPECT_EQ(SlotZeroValue("CpiLevel_X3"), "7");
}

}  // namespace
