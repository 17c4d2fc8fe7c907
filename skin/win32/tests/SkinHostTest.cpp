// What a skinned window offers the program around it: its controls by
// placement key, their own messages before the window's message table, and
// modal dialogs that freeze the whole window they are opened from.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "skin/win32/SkinnedWindow.h"

namespace {

// Records what reaches its message table.
class KeyedWindow : public SkinnedWindow {
public:
    bool Open() {
        return Create("KeyedSkinWindow", "", WS_POPUP | WS_VISIBLE, 0, 50, 50, 10, 10, nullptr, nullptr, 0, nullptr,
                      LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    }
    int drawRequestsSeen = 0;

protected:
    std::string SkinFileName() const override { return "skin_keys.ini"; }
    void CreateControls(WindowSkin& skin) override {
        for (int key : {3, 7, 12}) skin.AddButton(key);
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DRAWITEM) ++drawRequestsSeen;
        return SkinnedWindow::HandleMessage(message, wParam, lParam);
    }
};

class SkinHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSkinFolder(m_folder.Path());
        for (const char* name : {"normal.bmp", "over.bmp", "down.bmp", "disable.bmp"})
            WriteBmp(m_folder.Path() + name, 120, 60, [](int x, int y) { return RGB(x, y, 40); });
        WriteText(m_folder.Path() + "skin_keys.ini",
                  "[SCREEN]\r\nNormal=normal.bmp\r\nOver=over.bmp\r\nDown=down.bmp\r\nDisable=disable.bmp\r\n"
                  "[BUTTONPOS]\r\n3=a,5,5,20,10,\r\n7=b,30,5,20,10,\r\n12=c,60,30,40,20,\r\n");
    }
    TempFolder m_folder;
};

TEST_F(SkinHostTest, ButtonsAreFoundByPlacementKeyAndBack) {
    KeyedWindow window;
    ASSERT_TRUE(window.Open());
    struct Case {
        int key;
        RECT place;  // where its button sits
    };
    const Case cases[] = {{3, {5, 5, 25, 15}}, {7, {30, 5, 50, 15}}, {12, {60, 30, 100, 50}}};
    for (const Case& c : cases) {
        SkinButton* button = window.Skin().ButtonAt(c.key);
        ASSERT_NE(button, nullptr) << c.key;
        RECT place{};
        GetWindowRect(button->Handle(), &place);
        EXPECT_EQ(place, c.place) << c.key;
        EXPECT_EQ(window.Skin().KeyOf(button->Handle()), c.key);
    }
    // Keys without a button, and windows that are none of its buttons.
    EXPECT_EQ(window.Skin().ButtonAt(4), nullptr);
    EXPECT_EQ(window.Skin().ButtonAt(0), nullptr);
    EXPECT_EQ(window.Skin().KeyOf(window.Handle()), 0);
    EXPECT_EQ(window.Skin().KeyOf(nullptr), 0);
}

TEST_F(SkinHostTest, ControlsDrawThemselvesBeforeTheWindowsTable) {
    KeyedWindow window;
    ASSERT_TRUE(window.Open());
    SkinButton* button = window.Skin().ButtonAt(12);
    ASSERT_NE(button, nullptr);
    RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpPending();
    // The look is drawn (the state image's pixel at 60 + 3, 30 + 3) ...
    EXPECT_EQ(PrintedPixel(button->Handle(), 3, 3), RGB(63, 33, 40));
    // ... and the request never reached the derived window.
    EXPECT_EQ(window.drawRequestsSeen, 0);
}

// A dialog that checks, once running, whether the top-level window of its
// owner is enabled, and ends.
class ProbeDialog : public Dialog {
public:
    HWND topLevel = nullptr;
    bool topLevelEnabledWhileRunning = true;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITDIALOG) SetTimer(Handle(), 1, 10, nullptr);
        if (message == WM_TIMER) {
            KillTimer(Handle(), 1);
            topLevelEnabledWhileRunning = IsWindowEnabled(topLevel) != FALSE;
            EndModal(IDOK);
            return 0;
        }
        return Dialog::HandleMessage(message, wParam, lParam);
    }
};

TEST(ModalDialog_OwnerIsAChild, FreezesTheTopLevelWindowUntilItEnds) {
    RecordingHost topLevel;
    ASSERT_TRUE(topLevel.Create());
    HWND page = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, topLevel.Handle(), nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(page, nullptr);
    ProbeDialog dialog;
    dialog.topLevel = topLevel.Handle();
    EXPECT_EQ(dialog.RunModal(page), IDOK);
    EXPECT_FALSE(dialog.topLevelEnabledWhileRunning);
    EXPECT_TRUE(IsWindowEnabled(topLevel.Handle()));
}

}  // namespace
