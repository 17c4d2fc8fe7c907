// Slider, fill bar, bitmap edit field and value box, driven by the messages
// they handle.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "skin/core/SkinMessages.h"
#include "skin/win32/BitmapEdit.h"
#include "skin/win32/PictureLoader.h"
#include "skin/win32/SkinFillBar.h"
#include "skin/win32/SkinSlider.h"
#include "skin/win32/SkinValueBox.h"

namespace {
constexpr COLORREF kThumbCorner = RGB(255, 0, 255);
constexpr COLORREF kThumbBody = RGB(0, 128, 0);

class ValueControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A 10 x 10 thumb whose four corner pixels have the top-left colour.
        m_thumbPath = m_folder.Path() + "thumb.bmp";
        WriteBmp(m_thumbPath, 10, 10, [](int x, int y) {
            return (x == 0 || x == 9) && (y == 0 || y == 9) ? kThumbCorner : kThumbBody;
        });
        ASSERT_TRUE(m_host.Create());
    }

    std::vector<WPARAM> Values(UINT message, LPARAM identifier) const {
        std::vector<WPARAM> values;
        for (const auto& m : m_host.Messages(message))
            if (m.lParam == identifier) values.push_back(m.wParam);
        return values;
    }
    bool WaitForCount(UINT message, size_t count) {
        return PumpUntil([&] { return m_host.Messages(message).size() >= count; });
    }

    TempFolder m_folder;
    std::string m_thumbPath;
    RecordingHost m_host{{MSG_SLIDER_POS, MSG_FILLBAR_POS, MSG_VALUEBOX_POS, MSG_EDIT_ENTER,
                          BitmapEditKillFocusMessage()}};
};

int ThumbX(const SkinSlider& slider) {
    RECT thumb{};
    GetWindowRect(slider.ThumbHandle(), &thumb);
    MapWindowPoints(nullptr, slider.Handle(), reinterpret_cast<POINT*>(&thumb), 2);
    return thumb.left;
}

// Presses the thumb at its left edge, moves the pointer to track x, releases.
void DragThumbTo(SkinSlider& slider, int trackX) {
    HWND thumb = slider.ThumbHandle();
    SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 5));
    POINT inThumb{trackX, 5};
    MapWindowPoints(slider.Handle(), thumb, &inThumb, 1);
    LPARAM at = MAKELPARAM(static_cast<short>(inThumb.x), static_cast<short>(inThumb.y));
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, at);
    inThumb = POINT{trackX, 5};
    MapWindowPoints(slider.Handle(), thumb, &inThumb, 1);
    SendMessageA(thumb, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<short>(inThumb.x), static_cast<short>(inThumb.y)));
}
}  // namespace

TEST_F(ValueControlsTest, SliderReleaseValueWithAndWithoutSnap) {
    struct Case {
        const char* name;
        bool snap;
        int releaseX;
        int value;
        int thumbX;
    };
    const Case cases[] = {
        // 1 + 55 * 9 / 100 = 5.95: truncated without snap, thumb stays.
        {"no snap", false, 55, 5, 55},
        // Rounded with snap, the thumb moves to value 6's place: 100 * 5 / 9 = 55.
        {"snap", true, 55, 6, 55},
        // Past either end: the thumb stays inside and reports min or max.
        {"past right", false, 300, 10, 100},
        {"past left", true, -50, 1, 0},
        // Snap moves the thumb to the exact place of the rounded value.
        {"snap to place", true, 20, 3, 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SkinSlider slider;
        ASSERT_TRUE(slider.Create(m_host.Handle(), RECT{10, 10, 120, 20}, 201, m_thumbPath));
        ASSERT_TRUE(slider.SetRange(1, 10));
        slider.SetSnap(c.snap);
        m_host.Clear();
        DragThumbTo(slider, c.releaseX);
        ASSERT_TRUE(WaitForCount(MSG_SLIDER_POS, 2));
        std::vector<WPARAM> values = Values(MSG_SLIDER_POS, 201);
        ASSERT_EQ(values.size(), 2u);  // one move, one release
        EXPECT_EQ(static_cast<int>(values.back()), c.value);
        EXPECT_EQ(slider.Value(), c.value);
        EXPECT_EQ(ThumbX(slider), c.thumbX);
    }
}

TEST_F(ValueControlsTest, SliderTrackClickSetValueAndRange) {
    SkinSlider slider;
    ASSERT_TRUE(slider.Create(m_host.Handle(), RECT{10, 10, 120, 20}, 202, m_thumbPath));
    ASSERT_TRUE(slider.SetRange(0, 10));
    slider.SetSnap(true);
    m_host.Clear();
    // 0 + 80 * 10 / 110 = 7.27, rounded to 7.
    SendMessageA(slider.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(80, 5));
    ASSERT_TRUE(WaitForCount(MSG_SLIDER_POS, 1));
    EXPECT_EQ(Values(MSG_SLIDER_POS, 202), std::vector<WPARAM>{7});
    EXPECT_EQ(ThumbX(slider), 70);

    m_host.Clear();
    slider.SetValue(99);  // clamped, and nothing is told
    EXPECT_EQ(slider.Value(), 10);
    EXPECT_EQ(ThumbX(slider), 100);
    PumpPending();
    EXPECT_TRUE(m_host.Messages(MSG_SLIDER_POS).empty());
    // An empty range is refused.
    EXPECT_FALSE(slider.SetRange(5, 5));
    EXPECT_EQ(slider.Model().Maximum(), 10);
}

TEST_F(ValueControlsTest, SliderThumbShapeLeavesOutTopLeftColour) {
    SkinSlider slider;
    ASSERT_TRUE(slider.Create(m_host.Handle(), RECT{10, 10, 120, 20}, 203, m_thumbPath));
    Region shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(slider.ThumbHandle(), shape.Get()), ERROR);
    for (POINT corner : {POINT{0, 0}, POINT{9, 0}, POINT{0, 9}, POINT{9, 9}})
        EXPECT_FALSE(PtInRegion(shape.Get(), corner.x, corner.y)) << corner.x << "," << corner.y;
    for (POINT body : {POINT{1, 0}, POINT{5, 5}, POINT{9, 8}})
        EXPECT_TRUE(PtInRegion(shape.Get(), body.x, body.y)) << body.x << "," << body.y;
}

TEST_F(ValueControlsTest, SliderWithoutThumbImageIsNotCreated) {
    SkinSlider slider;
    EXPECT_FALSE(slider.Create(m_host.Handle(), RECT{10, 10, 120, 20}, 204, m_folder.Path() + "absent.bmp"));
    EXPECT_EQ(slider.Handle(), nullptr);
}

TEST_F(ValueControlsTest, FillBarDragsAndFills) {
    WriteBmp(m_folder.Path() + "empty.bmp", 100, 10, [](int, int) { return RGB(10, 10, 10); });
    WriteBmp(m_folder.Path() + "full.bmp", 100, 10, [](int, int) { return RGB(200, 0, 0); });
    SkinFillBar bar;
    ASSERT_TRUE(bar.Create(m_host.Handle(), RECT{0, 50, 100, 60}, 300, LoadPicture(m_folder.Path() + "empty.bmp"),
                           LoadPicture(m_folder.Path() + "full.bmp")));
    ASSERT_TRUE(bar.SetRange(0, 100));
    SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    SendMessageA(bar.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 5));
    SendMessageA(bar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(-20), 5));
    ASSERT_TRUE(WaitForCount(MSG_FILLBAR_POS, 2));
    // The move reports 40; the release left of the bar is raised to its left.
    EXPECT_EQ(Values(MSG_FILLBAR_POS, 300), (std::vector<WPARAM>{40, 0}));
    bar.SetValue(30);
    EXPECT_EQ(PrintedPixel(bar.Handle(), 29, 5), RGB(200, 0, 0));
    EXPECT_EQ(PrintedPixel(bar.Handle(), 30, 5), RGB(10, 10, 10));
    // Disabled, a press starts nothing.
    bar.Enable(false);
    m_host.Clear();
    SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    SendMessageA(bar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(90, 5));
    PumpPending();
    EXPECT_TRUE(m_host.Messages(MSG_FILLBAR_POS).empty());
    EXPECT_EQ(bar.Value(), 30);
}

TEST_F(ValueControlsTest, BitmapEditNumericModeFiltersKeysAndText) {
    BitmapEdit edit;
    ASSERT_TRUE(edit.Create(m_host.Handle(), RECT{0, 100, 100, 120}, 4010));
    edit.SetNumeric(true);
    struct Key {
        WPARAM virtualKey;
        char character;
    };
    // Keypad 5 and the letter A are swallowed with their characters; the main
    // keyboard's digits and the period pass.
    const Key keys[] = {{'1', '1'}, {VK_NUMPAD5, '5'}, {'A', 'a'}, {VK_OEM_PERIOD, '.'}, {'2', '2'}};
    SetFocus(edit.Handle());
    for (const Key& key : keys) {
        SendMessageA(edit.Handle(), WM_KEYDOWN, key.virtualKey, 1);
        SendMessageA(edit.Handle(), WM_CHAR, static_cast<WPARAM>(key.character), 1);
    }
    EXPECT_EQ(edit.Text(), "1.2");
    // A pasted text is reduced to its numeric characters.
    m_host.Clear();
    edit.SetText("12a3");
    EXPECT_EQ(edit.Text(), "123");
    ASSERT_TRUE(PumpUntil([&] { return !Values(BitmapEditKillFocusMessage(), 0).empty(); }));
    EXPECT_EQ(Values(BitmapEditKillFocusMessage(), 0).front(), 0u);
    // Enter released in the field.
    SendMessageA(edit.Handle(), WM_KEYUP, VK_RETURN, 0);
    ASSERT_TRUE(WaitForCount(MSG_EDIT_ENTER, 1));
    EXPECT_EQ(Values(MSG_EDIT_ENTER, 4010), std::vector<WPARAM>{13});
    // Focus loss.
    m_host.Clear();
    SetFocus(m_host.Handle());
    ASSERT_TRUE(WaitForCount(BitmapEditKillFocusMessage(), 1));
    EXPECT_EQ(m_host.Messages(BitmapEditKillFocusMessage()).front().wParam, 1u);
}

TEST_F(ValueControlsTest, BitmapEditWithoutNumericModeKeepsText) {
    BitmapEdit edit;
    ASSERT_TRUE(edit.Create(m_host.Handle(), RECT{0, 100, 100, 120}, 4011));
    edit.SetText("C:\\Game 2.exe");
    EXPECT_EQ(edit.Text(), "C:\\Game 2.exe");
}

TEST_F(ValueControlsTest, ValueBoxTableFormStopsAtLastEntry) {
    SkinValueBox box;
    ASSERT_TRUE(box.Create(m_host.Handle(), RECT{0, 150, 60, 170}, 400));
    ASSERT_TRUE(box.SetRange(1, 12));
    box.SetTable(DefaultValueTable());
    struct Case {
        int start;
        bool up;
        int expected;
    };
    const Case cases[] = {
        {11, true, 12},   // to the last entry
        {12, true, 12},   // stays at the last entry
        {2, false, 1},    // to the first entry
        {5, true, 6},     // one step up
    };
    for (const Case& c : cases) {
        box.SetValue(c.start);
        m_host.Clear();
        SkinButton& button = c.up ? box.UpButton() : box.DownButton();
        SendMessageA(box.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button.Handle()));
        PumpPending();
        EXPECT_EQ(box.Value(), c.expected) << c.start;
        EXPECT_EQ(box.Field().Text(), std::to_string(c.expected)) << c.start;
    }
}

TEST_F(ValueControlsTest, ValueBoxUpButtonClickReportsValue) {
    SkinValueBox box;
    ASSERT_TRUE(box.Create(m_host.Handle(), RECT{0, 150, 60, 170}, 401));
    ASSERT_TRUE(box.SetRange(0, 100));
    box.SetStep(5);
    box.SetValue(10);
    m_host.Clear();
    // A real click on the up button: the system button reports it to the box.
    HWND up = box.UpButton().Handle();
    SendMessageA(up, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(up, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_TRUE(WaitForCount(MSG_VALUEBOX_POS, 1));
    EXPECT_EQ(Values(MSG_VALUEBOX_POS, 401), std::vector<WPARAM>{15});
    box.UpButton().ClearHovering();
}

TEST_F(ValueControlsTest, ValueBoxTypedTextOnEnterAndFocusLoss) {
    struct Case {
        const char* name;
        int minimum, maximum, step;
        const char* typed;
        bool enter;  // Enter released, otherwise focus loss
        int value;
        const char* shown;
    };
    const Case cases[] = {
        // Filtered to -123, raised to the minimum.
        {"enter filters", -50, 50, 1, "a-12b3", true, -50, "-50"},
        // Focus loss snaps to the step.
        {"snap down", 0, 100, 5, "12", false, 10, "10"},
        {"snap up", 0, 100, 5, "13", false, 15, "15"},
        // Leading zeros are skipped on Enter.
        {"leading zeros", 0, 100, 1, "007", true, 7, "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SkinValueBox box;
        ASSERT_TRUE(box.Create(m_host.Handle(), RECT{0, 150, 60, 170}, 402));
        ASSERT_TRUE(box.SetRange(c.minimum, c.maximum));
        box.SetStep(c.step);
        SetFocus(box.Field().Handle());
        box.Field().SetText(c.typed);
        PumpPending();
        m_host.Clear();
        if (c.enter) {
            SendMessageA(box.Field().Handle(), WM_KEYUP, VK_RETURN, 0);
        } else {
            SetFocus(m_host.Handle());
        }
        ASSERT_TRUE(WaitForCount(MSG_VALUEBOX_POS, 1));
        EXPECT_EQ(static_cast<int>(Values(MSG_VALUEBOX_POS, 402).front()), c.value);
        EXPECT_EQ(box.Value(), c.value);
        EXPECT_EQ(box.Field().Text(), c.shown);
        SetFocus(m_host.Handle());
        PumpPending();
    }
}
