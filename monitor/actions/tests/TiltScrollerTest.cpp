// Tilt-wheel scrolling on fake window trees: one row per rule of the finder.
#include "EngineFakes.h"

#include <gtest/gtest.h>

namespace {

using namespace enginetest;

constexpr uint32_t kHScroll = 0x00100000;
constexpr uint32_t kSbsVert = 0x01;
constexpr uint32_t kSbsSizeBox = 0x08;

// The pointer is at (200, 200) in every row.
constexpr ScreenPoint kCursor{200, 200};

// lParam of the posts is written in hex: the scroll bar 31 is "1F".
struct Row {
    const char* what;
    std::function<void(FakeWindows&)> build;  // windows, Pointed set
    int step;
    std::vector<std::string> expected;
};

void RunRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        EngineFixture fixture;
        fixture.Current().TiltSpeed = 3;
        fixture.input.Cursor = kCursor;
        row.build(fixture.windows);
        fixture.engine.ScrollStep(row.step);
        EXPECT_EQ(fixture.recorder.Texts(), row.expected) << row.what;
    }
}

// The lines three times over, in order.
std::vector<std::string> Times3(const std::vector<std::string>& lines) {
    std::vector<std::string> repeated;
    for (int time = 0; time < 3; ++time) repeated.insert(repeated.end(), lines.begin(), lines.end());
    return repeated;
}

TEST(TiltScroll_Exclusions, DesktopAndItsIconsAreLeftAlone) {
    RunRows({
        // The icon view of the desktop, a list view below "Progman".
        {"desktop icons",
         [](FakeWindows& w) {
             w.Add(10, 0, "Progman", {0, 0, 1280, 1024});
             w.Add(11, 10, "SHELLDLL_DefView", {0, 0, 1280, 1024});
             w.Pointed = w.Add(12, 11, "SysListView32", {0, 0, 1280, 1024}, kHScroll);
         },
         +1, {}},
        // The desktop window itself.
        {"desktop", [](FakeWindows& w) { w.Pointed = w.Add(1, 0, "#32769", {0, 0, 1280, 1024}, kHScroll); }, +1, {}},
        // A list view elsewhere scrolls like any window.
        {"list view in a program",
         [](FakeWindows& w) {
             w.Add(10, 0, "ExplorerWClass", {0, 0, 800, 600});
             w.Pointed = w.Add(12, 10, "SysListView32", {0, 0, 800, 600}, kHScroll);
         },
         +1, Times3({"post 12 276 0 0"})},
        // Nothing under the pointer.
        {"no window", [](FakeWindows& w) { w.Pointed = 0; }, +1, {}},
    });
}

TEST(TiltScroll_PlainWindow, ScrollsItsOwnScrollBarTiltSpeedTimes) {
    auto notepad = [](FakeWindows& w) { w.Pointed = w.Add(20, 0, "Notepad", {0, 0, 800, 600}, kHScroll); };
    RunRows({
        // WS_HSCROLL: SB_LINELEFT (0) for a left tilt, three times.
        {"left", notepad, +1, Times3({"post 20 276 0 0"})},
        // SB_LINERIGHT (1) for a right tilt.
        {"right", notepad, -1, Times3({"post 20 276 1 0"})},
        // No horizontal scroll bar anywhere: nothing is sent.
        {"none", [](FakeWindows& w) { w.Pointed = w.Add(20, 0, "Notepad", {0, 0, 800, 600}); }, +1, {}},
        // An embedded browser view always counts as scrollable.
        {"explorer server",
         [](FakeWindows& w) { w.Pointed = w.Add(21, 0, "Internet Explorer_Server", {0, 0, 800, 600}); }, -1,
         Times3({"post 21 276 1 0"})},
    });
}

TEST(TiltScroll_ScrollBarOwner, PostsToTheScrollBarsParentWithTheBar) {
    // A document view and, as its next sibling, a scroll bar (window 31).
    auto document = [](WindowRect view, WindowRect bar) {
        return [=](FakeWindows& w) {
            w.Add(29, 0, "OpusApp", {0, 0, 800, 600});
            w.Pointed = w.Add(30, 29, "_WwG", view);
            w.Add(31, 29, "ScrollBar", bar);
        };
    };
    RunRows({
        // A horizontal bar below the view.
        {"next sibling bar", document({0, 0, 800, 580}, {0, 580, 800, 600}), +1, Times3({"post 29 276 0 1F"})},
        // A vertical bar (higher than wide) is not horizontal.
        {"vertical bar only", document({0, 0, 780, 600}, {780, 0, 800, 600}), +1, {}},
        // A bar that ends left of the pointer is not taken.
        {"bar left of the pointer", document({0, 0, 800, 580}, {0, 580, 150, 600}), +1, {}},
        // A first child that is a horizontal bar (child search).
        {"child bar",
         [](FakeWindows& w) {
             w.Pointed = w.Add(90, 0, "OGrid", {0, 0, 800, 600});
             w.Add(91, 90, "ScrollBar", {0, 580, 800, 600});
         },
         -1, Times3({"post 90 276 1 5B"})},
        // Acrobat: the bar inside an "AVL_AVScrollBar" sibling; its
        // vertical and size-box bars do not count.
        {"acrobat",
         [](FakeWindows& w) {
             w.Add(69, 0, "AcrobatSDIWindow", {0, 0, 800, 600});
             w.Pointed = w.Add(70, 69, "AVL_AVView", {0, 0, 800, 580});
             w.Add(71, 69, "AVL_AVScrollBar", {0, 580, 800, 600});
             w.Add(72, 71, "ScrollBar", {780, 0, 800, 580}, kSbsVert);
             w.Add(73, 71, "ScrollBar", {780, 580, 800, 600}, kSbsSizeBox);
             w.Add(74, 71, "ScrollBar", {0, 580, 780, 600});
         },
         +1, Times3({"post 71 276 0 4A"})},
        // A preceding MFC sibling holding the bar (child search from it).
        {"mfc sibling",
         [](FakeWindows& w) {
             w.Add(79, 0, "Photoshop", {0, 0, 800, 600});
             w.Add(81, 79, "AfxWnd42", {0, 580, 800, 600});
             w.Add(82, 81, "ScrollBar", {0, 580, 800, 600});
             w.Pointed = w.Add(80, 79, "PSViewC", {0, 0, 800, 580});
         },
         +1, Times3({"post 81 276 0 52"})},
        // A preceding Office bar is left to the pane rule of the next test.
        {"preceding office bar",
         [](FakeWindows& w) {
             w.Add(49, 0, "Frame", {0, 0, 800, 600});
             w.Add(51, 49, "NUIScrollbar", {0, 580, 800, 600});
             w.Pointed = w.Add(50, 49, "EditControl", {0, 0, 800, 580});
         },
         +1, {}},
    });
}

TEST(TiltScroll_Pane, TakesTheParentsBarWithin25Pixels) {
    auto pane = [](int barLeft, int barRight) {
        return [=](FakeWindows& w) {
            w.Add(59, 0, "ppt", {0, 0, 1000, 700});
            // Preceding Office bars: found only by the pane rule.
            w.Add(62, 59, "NUIScrollbar", {barLeft, 680, barRight, 700});
            w.Pointed = w.Add(60, 59, "paneClassDC", {100, 0, 900, 680});
        };
    };
    RunRows({
        // 25 pixels beyond the pane on each side is still the pane's bar.
        {"25 each side", pane(75, 925), +1, Times3({"post 59 276 0 3E"})},
        // 26 to the left is another pane's bar.
        {"26 left", pane(74, 900), +1, {}},
        // 26 to the right, too.
        {"26 right", pane(100, 926), +1, {}},
    });
}

TEST(TiltScroll_Browser, ArrowKeysToThePointedViewsParent) {
    auto browser = [](FakeWindows& w) {
        w.Add(49, 0, "MozillaWindowClass", {0, 0, 800, 600});
        w.Pointed = w.Add(50, 49, "MozillaWindowClass", {0, 0, 800, 600});
    };
    RunRows({
        // WM_KEYDOWN and WM_KEYUP of the left and the right arrow.
        {"left", browser, +1, Times3({"post 49 256 37 14B0001", "post 49 257 37 C14B0001"})},
        {"right", browser, -1, Times3({"post 49 256 39 14D0001", "post 49 257 39 C14D0001"})},
    });
}

TEST(TiltScroll_Spreadsheet, ClicksTheBarEndAndPutsThePointerBack) {
    auto sheet = [](FakeWindows& w) { w.Pointed = w.Add(40, 0, "EXCEL7", {100, 100, 500, 400}, kHScroll); };
    RunRows({
        // Left: near the bar's left end, three clicks, pointer back.
        {"left", sheet, +1,
         {"cursor 105 105", "mouse 2 0", "mouse 4 0", "mouse 2 0", "mouse 4 0", "mouse 2 0", "mouse 4 0",
          "cursor 200 200"}},
        {"right", sheet, -1,
         {"cursor 495 105", "mouse 2 0", "mouse 4 0", "mouse 2 0", "mouse 4 0", "mouse 2 0", "mouse 4 0",
          "cursor 200 200"}},
    });
    // Swapped buttons: the primary button is the right one.
    EngineFixture fixture;
    fixture.Current().TiltSpeed = 1;
    fixture.input.Cursor = kCursor;
    fixture.input.Swapped = true;
    sheet(fixture.windows);
    fixture.engine.ScrollStep(+1);
    EXPECT_EQ(fixture.recorder.Texts(),
              (std::vector<std::string>{"cursor 105 105", "mouse 8 0", "mouse 10 0", "cursor 200 200"}));
}

// The page offers 1..10; a stored value outside it acts as the factory value 3.
TEST(TiltScroll_TiltSpeed, SetsTheRepetitions) {
    const std::pair<int32_t, size_t> rows[] = {{0, 3},  {1, 1},  {5, 5},         {10, 10},
                                               {11, 3}, {-1, 3}, {INT32_MAX, 3}, {INT32_MIN, 3}};
    for (const auto& [speed, posts] : rows) {
        EngineFixture fixture;
        fixture.Current().TiltSpeed = speed;
        fixture.input.Cursor = kCursor;
        fixture.windows.Pointed = fixture.windows.Add(20, 0, "Notepad", {0, 0, 800, 600}, kHScroll);
        fixture.engine.ScrollStep(-1);
        EXPECT_EQ(fixture.recorder.Lines.size(), posts) << speed;
    }
}

}  // namespace
