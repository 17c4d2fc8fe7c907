// End-to-end tests of the skinned controls in the gallery windows, skinned
// from the installed skin folder and driven with real window messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/core/SkinMessages.h"
#include "skin/win32/MenuFrameHook.h"
#include "skin/win32/WindowSkin.h"
#include "testing/DistFolder.h"
#include "testing/MessagePump.h"
#include "testing/ProgramRun.h"
#include "tools/skingallery/ButtonGallery.h"
#include "tools/skingallery/ValueGallery.h"

namespace {

using namespace gallery;

using testsupport::PumpPending;
using testsupport::PumpUntil;

// The installed skins; a command line gets it without the trailing
// backslash, which would escape the closing quote.
std::string DistSkinFolder() { return testsupport::DistFolder() + "skins"; }

void Click(HWND control, int x = 3, int y = 3) {
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// One gallery window, created in the foreground for each test.
template <class GalleryWindow>
class GalleryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetSkinFolder(DistSkinFolder() + "\\");
        MenuFrameHook::Install();
    }
    static void TearDownTestSuite() { MenuFrameHook::Uninstall(); }
    void SetUp() override {
        ASSERT_TRUE(m_window.Create());
        SetForegroundWindow(m_window.Handle());
        PumpPending();
    }
    void TearDown() override {
        if (IsWindow(m_window.Handle())) DestroyWindow(m_window.Handle());
        PumpPending();
    }
    GalleryWindow m_window;
};

class ButtonGalleryTest : public GalleryTest<ButtonGallery> {
protected:
    HWND ButtonHandle(int key) {
        SkinButton* button = m_window.Button(key);
        return button ? button->Handle() : nullptr;
    }
};

TEST_F(ButtonGalleryTest, Skin_GivesSizeShapeAndEveryButton) {
    RECT window{};
    GetWindowRect(m_window.Handle(), &window);
    EXPECT_EQ(window.right - window.left, 440);
    EXPECT_EQ(window.bottom - window.top, 362);
    // The mask's rounded corners are cut from the window's shape.
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(m_window.Handle(), shape), ERROR);
    EXPECT_FALSE(PtInRegion(shape, 0, 0));
    EXPECT_FALSE(PtInRegion(shape, 439, 361));
    EXPECT_TRUE(PtInRegion(shape, 220, 0));
    EXPECT_TRUE(PtInRegion(shape, 220, 165));
    DeleteObject(shape);
    for (int key = buttons::kClose; key < buttons::kFirstSwatch + buttons::kSwatchCount; ++key) {
        HWND button = ButtonHandle(key);
        ASSERT_NE(button, nullptr) << key;
        RECT place{};
        GetClientRect(button, &place);
        EXPECT_GT(place.right, 0) << key;
    }
    EXPECT_FALSE(IsWindowEnabled(ButtonHandle(buttons::kDisabled)));
}

TEST_F(ButtonGalleryTest, Clicks_ReachTheWindowByHandle) {
    struct Case {
        int key;
        int clicks;        // click count afterwards
        const char* last;  // last clicked control
    };
    const Case cases[] = {
        {buttons::kApply, 1, "Apply"},
        {buttons::kOk, 2, "OK"},
        {buttons::kFirstSwatch + 2, 3, "swatch 3"},
    };
    for (const Case& c : cases) {
        Click(ButtonHandle(c.key));
        PumpPending();
        EXPECT_EQ(m_window.ClickCount(), c.clicks) << c.key;
        EXPECT_EQ(m_window.LastClicked(), c.last) << c.key;
    }
    EXPECT_EQ(m_window.SelectedSwatch(), 2);
    EXPECT_TRUE(m_window.Swatch(2)->Selected());
    EXPECT_EQ(m_window.Swatch(2)->Colour(), RGB(40, 120, 255));
}

TEST_F(ButtonGalleryTest, TogglesAndCheckBoxes_FlipAndGiveTheirBits) {
    const struct {
        bool box;  // a check box, else a modifier toggle
        int index;
        int bits;
    } steps[] = {
        {false, 0, 0b001},  // Ctrl on
        {false, 2, 0b101},  // Alt on
        {false, 0, 0b100},  // Ctrl off again
        {false, 1, 0b110},  // Shift on
        {true, 0, 0b01},    // first box on
        {true, 1, 0b11},    // second on, first stays
        {true, 0, 0b10},    // first off again
        {true, 1, 0b00},    // both off
    };
    for (const auto& step : steps) {
        Click(ButtonHandle((step.box ? buttons::kFirstCheckBox : buttons::kFirstToggle) + step.index));
        PumpPending();
        EXPECT_EQ(step.box ? m_window.CheckBits() : m_window.ToggleBits(), step.bits) << step.box << step.index;
        for (int i = 0; step.box && i < buttons::kCheckBoxCount; ++i) {
            const bool checked = (step.bits >> i) & 1;
            const ButtonLook look = m_window.Button(buttons::kFirstCheckBox + i)->CurrentLook();
            // Checked shows the Down look (the tick) even under the pointer.
            if (checked) EXPECT_EQ(look, ButtonLook::Down) << i;
            else EXPECT_NE(look, ButtonLook::Down) << i;
        }
    }
}

TEST_F(ButtonGalleryTest, OptionsAndTabs_AreExclusive) {
    Click(ButtonHandle(buttons::kFirstOption + 1));
    Click(ButtonHandle(buttons::kFirstOption + 2));
    Click(ButtonHandle(buttons::kFirstTab + 1));
    PumpPending();
    EXPECT_EQ(m_window.SelectedOption(), 2);
    EXPECT_EQ(m_window.SelectedTab(), 1);
    for (int i = 0; i < buttons::kOptionCount; ++i)
        EXPECT_EQ(m_window.Button(buttons::kFirstOption + i)->Selected(), i == 2) << i;
    for (int i = 0; i < buttons::kTabCount; ++i)
        EXPECT_EQ(m_window.Button(buttons::kFirstTab + i)->Selected(), i == 1) << i;
}

// Keys typed into the open popup menu from a timer, which runs inside the
// menu's own message loop.
std::vector<WORD> g_menuKeys;
size_t g_framedMenus = 0;

void CALLBACK TypeIntoMenu(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    g_framedMenus = MenuFrameHook::FramedWindowCount();
    for (WORD key : g_menuKeys) {
        PostMessageA(window, WM_KEYDOWN, key, 0);
        PostMessageA(window, WM_KEYUP, key, 0xC0000000);
    }
}

TEST_F(ButtonGalleryTest, PlayerMenu_ChoicesRecaptionTheButton) {
    struct Case {
        std::vector<WORD> keys;
        UINT choice;
        const char* caption;
    };
    const Case cases[] = {
        // Second item.
        {{VK_DOWN, VK_DOWN, VK_RETURN}, kMenuITunes, "iTunes"},
        // The separator is skipped: third step lands on Winamp.
        {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, kMenuWinamp, "Winamp"},
        // Into the submenu and its first item.
        {{VK_UP, VK_RIGHT, VK_RETURN}, kMenuRealPlayer, "Real Player"},
    };
    for (const Case& c : cases) {
        g_menuKeys = c.keys;
        g_framedMenus = 0;
        SetTimer(m_window.Handle(), 77, 200, TypeIntoMenu);
        Click(ButtonHandle(buttons::kPlayer));
        PumpPending();
        EXPECT_EQ(m_window.LastMenuChoice(), c.choice);
        EXPECT_EQ(m_window.Button(buttons::kPlayer)->Caption(), c.caption);
        // The frame hook had subclassed the open menu window.
        EXPECT_GE(g_framedMenus, 1u);
    }
}

TEST_F(ButtonGalleryTest, Hover_ShowsTheButtonsHint) {
    HWND apply = ButtonHandle(buttons::kApply);
    RECT place{};
    GetWindowRect(apply, &place);
    SetCursorPos(place.left + 5, place.top + 5);
    SendMessageA(apply, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(PumpUntil([&] { return !m_window.ShownHint().empty(); }));
    EXPECT_EQ(m_window.ShownHint(), "A plain push button");
    // Moving onto the next button replaces the hint.
    HWND ok = ButtonHandle(buttons::kOk);
    GetWindowRect(ok, &place);
    SetCursorPos(place.left + 5, place.top + 5);
    SendMessageA(apply, WM_MOUSEMOVE, 0, MAKELPARAM(200, 5));
    SendMessageA(ok, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(PumpUntil([&] { return m_window.ShownHint() == "The default button of a dialog"; }));
    SetCursorPos(1000, 900);
}

using ValueGalleryTest = GalleryTest<ValueGallery>;

TEST_F(ValueGalleryTest, Skin_CreatesEveryControl) {
    ValueGallery& w = m_window;
    const void* controls[] = {w.SpeedSlider(), w.FineSlider(), w.VerticalSlider(), w.FillBar(), w.StepBox(),
                              w.TableBox(),    w.NumericField(), w.List(),         w.ScrollBar()};
    for (size_t i = 0; i < sizeof controls / sizeof controls[0]; ++i) EXPECT_NE(controls[i], nullptr) << i;
    ASSERT_NE(m_window.List(), nullptr);
    EXPECT_EQ(m_window.List()->RowCount(), static_cast<size_t>(values::kStartRows));
    // The thumb takes the size of the generated thumb image.
    RECT thumb{};
    GetWindowRect(m_window.SpeedSlider()->ThumbHandle(), &thumb);
    EXPECT_EQ(thumb.right - thumb.left, 11);
    EXPECT_EQ(thumb.bottom - thumb.top, 15);
}

TEST_F(ValueGalleryTest, SpeedSlider_DragSnapsAndReports) {
    SkinSlider* slider = m_window.SpeedSlider();
    HWND thumb = slider->ThumbHandle();
    const SliderModel& model = slider->Model();
    // Grab the thumb in its middle and drop it near the position of 8.
    int target = model.PositionOfValue(8) + 2;
    SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 7));
    POINT at{target + 5, 7};
    MapWindowPoints(slider->Handle(), thumb, &at, 1);
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    POINT release{target + 5, 7};
    MapWindowPoints(slider->Handle(), thumb, &release, 1);
    SendMessageA(thumb, WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
    ASSERT_TRUE(PumpUntil([&] { return m_window.Reported(values::kSpeedSliderId) == 8; }));
    EXPECT_EQ(slider->Value(), 8);
    RECT place{};
    GetWindowRect(thumb, &place);
    MapWindowPoints(nullptr, slider->Handle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, model.PositionOfValue(8));
}

TEST_F(ValueGalleryTest, TrackClicks_SetSliderValues) {
    struct Case {
        SkinSlider* slider;
        UINT identifier;
        int x, y;  // release point on the track
        int value;
    };
    ValueGallery& w = m_window;
    const Case cases[] = {
        // Snapping 1..10 on 176 pixels: 1 + 40 * 9 / 176 = 3.05 -> 3.
        {w.SpeedSlider(), values::kSpeedSliderId, 40, 7, 3},
        // Free 0..100: 0 + 170 * 100 / 176 = 96.6 -> 96 (truncated).
        {w.FineSlider(), values::kFineSliderId, 170, 7, 96},
        // Vertical 0..20 on 120 pixels with snap: 90 * 20 / 120 = 15.
        {w.VerticalSlider(), values::kVerticalSliderId, 7, 90, 15},
    };
    for (const Case& c : cases) {
        SendMessageA(c.slider->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
        ASSERT_TRUE(PumpUntil([&] { return w.Reported(c.identifier) == c.value; })) << c.identifier << " reported "
                                                                                     << w.Reported(c.identifier);
        EXPECT_EQ(c.slider->Value(), c.value);
    }
}

TEST_F(ValueGalleryTest, FillBar_DragReportsTheValueAtTheRelease) {
    HWND bar = m_window.FillBar()->Handle();
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 5));
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(132, 5));
    // 100 * 132 / 176 = 75.
    ASSERT_TRUE(PumpUntil([&] { return m_window.Reported(values::kFillBarId) == 75; }));
    EXPECT_EQ(m_window.FillBar()->Value(), 75);
}

TEST_F(ValueGalleryTest, ValueBoxes_StepAndTableButtonsAndTyping) {
    SkinValueBox* step = m_window.StepBox();
    SkinValueBox* table = m_window.TableBox();
    Click(step->UpButton().Handle(), 2, 2);
    ASSERT_TRUE(PumpUntil([&] { return m_window.Reported(values::kStepBoxId) == 55; }));
    EXPECT_EQ(step->Field().Text(), "55");
    Click(table->DownButton().Handle(), 2, 2);
    ASSERT_TRUE(PumpUntil([&] { return m_window.Reported(values::kTableBoxId) == 5; }));
    EXPECT_EQ(table->Field().Text(), "5");
    // Typing a number over the maximum and pressing Enter gives the maximum.
    step->Field().SetText("250");
    SendMessageA(step->Field().Handle(), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(step->Field().Handle(), WM_KEYUP, VK_RETURN, 0xC0000000);
    ASSERT_TRUE(PumpUntil([&] { return m_window.Reported(values::kStepBoxId) == 100; }));
    EXPECT_EQ(step->Field().Text(), "100");
}

TEST_F(ValueGalleryTest, NumericField_KeepsDigitsOnly) {
    BitmapEdit* field = m_window.NumericField();
    field->SetText("12a3");
    PumpPending();
    EXPECT_EQ(field->Text(), "123");
}

TEST_F(ValueGalleryTest, List_RenameAndNewRowInPlace) {
    SkinList* list = m_window.List();
    list->Select(2);
    Click(m_window.Button(values::kRename)->Handle());
    ASSERT_TRUE(PumpUntil([&] { return list->Editing(); }));
    SetWindowTextA(list->EditHandle(), "Renamed");
    SendMessageA(list->EditHandle(), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(PumpUntil([&] { return m_window.RenamedRow() == 2; }));
    EXPECT_EQ(list->RowText(2), "Renamed");
    EXPECT_EQ(list->RowValue(2), 3u);

    Click(m_window.Button(values::kNewRow)->Handle());
    ASSERT_TRUE(PumpUntil([&] { return list->Editing(); }));
    SetWindowTextA(list->EditHandle(), "Fresh");
    SendMessageA(list->EditHandle(), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(PumpUntil([&] { return !list->Editing(); }));
    ASSERT_EQ(list->RowCount(), static_cast<size_t>(values::kStartRows + 1));
    EXPECT_EQ(list->RowText(values::kStartRows), "Fresh");
}

TEST_F(ValueGalleryTest, ScrollBar_ScrollsTheList) {
    SkinScrollBar* bar = m_window.ScrollBar();
    HWND list = m_window.List()->Handle();
    RECT client{};
    GetClientRect(bar->Handle(), &client);
    // The line-down arrow at the bottom end moves the list one row.
    SendMessageA(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right / 2, client.bottom - 3));
    SendMessageA(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.right / 2, client.bottom - 3));
    PumpPending();
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 1);
    EXPECT_EQ(bar->Position(), 1);
    // The page-down area below the thumb moves a page, at most to the end.
    SendMessageA(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right / 2, client.bottom - 20));
    SendMessageA(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.right / 2, client.bottom - 20));
    PumpPending();
    int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    EXPECT_GT(top, 1);
    EXPECT_EQ(bar->Position(), top);
}

// The real program: both windows appear by title and close with their own
// close buttons.
BOOL CALLBACK CollectFirstChild(HWND child, LPARAM found) {
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

TEST(SkinGalleryProgram, OpensBothWindowsAndClosesByTheirButtons) {
    HANDLE process =
        testsupport::StartProgram(std::string("\"") + SKIN_GALLERY_EXE + "\" \"" + DistSkinFolder() + "\"");
    ASSERT_NE(process, nullptr);
    HWND windows[2] = {};
    const char* titles[] = {kButtonWindowTitle, kValueWindowTitle};
    bool found = PumpUntil(
        [&] {
            for (int i = 0; i < 2; ++i) windows[i] = FindWindowA(nullptr, titles[i]);
            return windows[0] && windows[1];
        },
        30000);
    EXPECT_TRUE(found);
    for (HWND window : windows) {
        if (!window) continue;
        // The close button is the first control each window creates; the
        // window may still be loading its skin.
        HWND close = nullptr;
        PumpUntil([&] {
            EnumChildWindows(window, CollectFirstChild, reinterpret_cast<LPARAM>(&close));
            return close != nullptr;
        });
        ASSERT_NE(close, nullptr);
        PostMessageA(close, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(close, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    bool ended = WaitForSingleObject(process, 30000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process, 1);
    EXPECT_TRUE(ended);
    CloseHandle(process);
}

}  // namespace
