// Skin buttons: looks, captions, swatches, clicks and the hover protocol.
#include <gtest/gtest.h>

#include <utility>

#include "TestSupport.h"
#include "skin/core/CurrentHint.h"
#include "skin/core/SkinMessages.h"
#include "skin/win32/HoverHint.h"
#include "skin/win32/PictureLoader.h"
#include "skin/win32/SkinButton.h"

namespace {
// Each state image encodes the position and its state (blue channel), so a
// look shows both that it is the right image and that it was cut 1:1.
constexpr int kNormalBlue = 0, kOverBlue = 100, kDownBlue = 200, kDisabledBlue = 50;

class SkinButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        int blues[] = {kNormalBlue, kOverBlue, kDownBlue, kDisabledBlue};
        const char* names[] = {"normal.bmp", "over.bmp", "down.bmp", "disable.bmp"};
        for (int i = 0; i < 4; ++i) {
            int blue = blues[i];
            WriteBmp(m_folder.Path() + names[i], 120, 60, [blue](int x, int y) { return RGB(x, y, blue); });
            m_states[i] = LoadPicture(m_folder.Path() + names[i]);
        }
        ASSERT_TRUE(m_host.Create());
        SetHintWindow(m_host.Handle());
    }
    void TearDown() override { SetHintWindow(nullptr); }

    std::unique_ptr<SkinButton> MakeButton(const RECT& place, std::unique_ptr<SkinButton> button = nullptr) {
        if (!button) button = std::make_unique<SkinButton>();
        EXPECT_TRUE(button->Create(m_host.Handle(), place));
        button->SetLooks(place, m_states[0], m_states[1], m_states[2], m_states[3]);
        return button;
    }
    void Hover(SkinButton& button) {
        SendMessageA(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    }

    TempFolder m_folder;
    Bitmap m_states[4];
    RecordingHost m_host{{MSG_CONTROL_HOVER, MSG_SHOW_HINT, WM_COMMAND}};
};
}  // namespace

TEST_F(SkinButtonTest, ShowsTheLookOfItsState) {
    struct Case {
        const char* name;
        bool toggle, selected, hover, pressed, disabled;
        int blue;
    };
    const Case cases[] = {
        {"normal", false, false, false, false, false, kNormalBlue},
        {"hover", false, false, true, false, false, kOverBlue},
        {"pressed", false, false, false, true, false, kDownBlue},
        {"selected", false, true, false, false, false, kDownBlue},
        {"disabled", false, false, false, false, true, kDisabledBlue},
        // Selected but disabled shows disabled unless pressed or hovered.
        {"selected disabled", false, true, false, false, true, kDisabledBlue},
        {"selected disabled hovered", false, true, true, false, true, kOverBlue},
        // Toggle mode: selected wins over hovering, disabled over everything.
        {"toggle selected hovered", true, true, true, false, false, kDownBlue},
        {"toggle hovered", true, false, true, false, false, kOverBlue},
        {"toggle selected disabled", true, true, false, false, true, kDisabledBlue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RECT place{20, 10, 50, 25};
        auto button = MakeButton(place);
        button->SetToggleMode(c.toggle);
        button->SetSelected(c.selected);
        if (c.disabled) button->Enable(false);
        if (c.hover) Hover(*button);
        EXPECT_EQ(button->Hovering(), c.hover);
        if (c.pressed) SendMessageA(button->Handle(), BM_SETSTATE, TRUE, 0);
        EXPECT_EQ(PrintedPixel(button->Handle(), 3, 4), RGB(23, 14, c.blue));
        button->ClearHovering();
    }
}

TEST_F(SkinButtonTest, WithoutLooksDrawsNothing) {
    SkinButton button;
    ASSERT_TRUE(button.Create(m_host.Handle(), RECT{0, 0, 20, 20}));
    // The host's black background is left as it was printed.
    EXPECT_EQ(PrintedPixel(button.Handle(), 5, 5), RGB(0, 0, 0));
}

TEST_F(SkinButtonTest, CaptionIsDrawnInWhiteAndRedWhileHovering) {
    RECT place{0, 0, 100, 30};
    auto button = MakeButton(place);
    button->SetCaption("MMMM");
    auto countColour = [&](COLORREF colour) {
        int count = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 10; x < 60; ++x) count += PrintedPixel(button->Handle(), x, y) == colour;
        return count;
    };
    EXPECT_GT(countColour(RGB(255, 255, 255)), 10);
    Hover(*button);
    EXPECT_GT(countColour(RGB(230, 20, 20)), 10);
    // Left of x = 10 the look is untouched.
    EXPECT_EQ(PrintedPixel(button->Handle(), 5, 15), RGB(5, 15, kOverBlue));
    button->ClearHovering();
}

TEST_F(SkinButtonTest, SwatchPaintsChamferedSquare) {
    RECT place{0, 0, 40, 40};
    auto swatch = std::make_unique<ColourSwatchButton>();
    ColourSwatchButton* raw = swatch.get();
    auto button = MakeButton(place, std::move(swatch));
    raw->SetColour(RGB(1, 200, 3));
    struct Point {
        int x, y;
        bool colour;
    };
    const Point points[] = {
        {1, 1, false},   // corner pixel left out
        {34, 34, false}, // the other corner
        {2, 1, true},    // top edge
        {1, 2, true},    // left edge
        {20, 20, true},  // inside
        {35, 20, false}, // right of the square
        {0, 0, false},   // outside
    };
    for (const Point& p : points) {
        COLORREF expected = p.colour ? RGB(1, 200, 3) : RGB(p.x, p.y, kNormalBlue);
        EXPECT_EQ(PrintedPixel(button->Handle(), p.x, p.y), expected) << p.x << "," << p.y;
    }
}

TEST_F(SkinButtonTest, StartsHoveringAsDefaultPushButtonAndIsOwnerDrawn) {
    SkinButton button;
    ASSERT_TRUE(button.Create(m_host.Handle(), RECT{0, 0, 20, 20}, 0, BS_DEFPUSHBUTTON | WS_TABSTOP));
    EXPECT_TRUE(button.Hovering());
    LONG_PTR style = GetWindowLongPtrA(button.Handle(), GWL_STYLE);
    EXPECT_EQ(style & 0x0F, BS_OWNERDRAW);
    EXPECT_EQ(style & WS_TABSTOP, 0);
}

TEST_F(SkinButtonTest, ClicksAreReportedOnceInBothModes) {
    for (bool toggle : {false, true}) {
        SCOPED_TRACE(toggle ? "toggle" : "normal");
        auto button = MakeButton(RECT{20, 10, 50, 25});
        button->SetToggleMode(toggle);
        m_host.Clear();
        SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        PumpPending();
        auto commands = m_host.Messages(WM_COMMAND);
        ASSERT_EQ(commands.size(), 1u);
        EXPECT_EQ(reinterpret_cast<HWND>(commands[0].lParam), button->Handle());
        EXPECT_EQ(LOWORD(commands[0].wParam), 0);
        EXPECT_EQ(button->Selected(), toggle);
        button->ClearHovering();
    }
}

TEST_F(SkinButtonTest, ToggleReleaseOutsideIsNoClick) {
    auto button = MakeButton(RECT{20, 10, 50, 25});
    button->SetToggleMode(true);
    m_host.Clear();
    SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 3));
    PumpPending();
    EXPECT_TRUE(m_host.Messages(WM_COMMAND).empty());
    EXPECT_FALSE(button->Selected());
}

TEST_F(SkinButtonTest, LeaveComesBeforeEnterBetweenNeighbours) {
    MoveWindow(m_host.Handle(), 0, 0, 400, 300, TRUE);
    auto first = MakeButton(RECT{20, 10, 50, 25});
    auto second = MakeButton(RECT{50, 10, 80, 25});
    first->SetHoverTag(201);
    second->SetHoverTag(202);
    first->SetHint("first hint");
    second->SetHint("second hint");
    SetCursorPos(300, 200);
    PumpPending();
    m_host.Clear();

    auto entered = [&](LPARAM tag) {
        for (const auto& m : m_host.Messages(MSG_CONTROL_HOVER))
            if (m.wParam == 1 && m.lParam == tag) return true;
        return false;
    };
    SetCursorPos(30, 15);
    ASSERT_TRUE(PumpUntil([&] { return entered(201); }));
    SetCursorPos(60, 15);
    ASSERT_TRUE(PumpUntil([&] { return entered(202); }));

    // Entered 201, left 201, entered 202.
    std::vector<std::pair<WPARAM, LPARAM>> hovers;
    for (const auto& m : m_host.Messages(MSG_CONTROL_HOVER)) hovers.emplace_back(m.wParam, m.lParam);
    EXPECT_EQ(hovers, (std::vector<std::pair<WPARAM, LPARAM>>{{1, 201}, {0, 201}, {1, 202}}));
    EXPECT_FALSE(first->Hovering());
    EXPECT_TRUE(second->Hovering());
    EXPECT_EQ(GetCapture(), second->Handle());
    EXPECT_EQ(CurrentHintText(), "second hint");
    auto hints = m_host.Messages(MSG_SHOW_HINT);
    ASSERT_EQ(hints.size(), 3u);
    EXPECT_EQ(hints[1].wParam, 0u);
    EXPECT_EQ(hints[2].wParam, 1u);

    SetCursorPos(300, 200);
    ASSERT_TRUE(PumpUntil([&] { return !second->Hovering(); }));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinButtonTest, FocusLossEndsHovering) {
    auto button = MakeButton(RECT{20, 10, 50, 25});
    button->SetHoverTag(7);
    SetFocus(button->Handle());
    Hover(*button);
    ASSERT_TRUE(button->Hovering());
    PumpPending();
    m_host.Clear();
    SetFocus(m_host.Handle());
    PumpPending();
    EXPECT_FALSE(button->Hovering());
    auto hovers = m_host.Messages(MSG_CONTROL_HOVER);
    ASSERT_FALSE(hovers.empty());
    EXPECT_EQ(hovers.back().wParam, 0u);
    EXPECT_EQ(hovers.back().lParam, 7);
    button->ClearHovering();
}
