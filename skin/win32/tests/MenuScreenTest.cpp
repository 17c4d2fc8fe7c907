// What an open skin popup menu looks like on the screen: the menu window is
// copied from the screen DC while the menu tracks, so the frame the system
// draws over ours, or an item left unpainted, shows up as a wrong pixel.
#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "skin/core/SkinStyle.h"
#include "skin/win32/GdiOwners.h"
#include "skin/win32/MenuFrameHook.h"
#include "skin/win32/SkinPopupMenu.h"

namespace {
constexpr COLORREF kFrameOuter = RGB(230, 20, 20);
constexpr COLORREF kBackground = RGB(30, 30, 30);
constexpr COLORREF kText = RGB(240, 240, 240);
constexpr COLORREF kMarkedText = RGB(68, 192, 255);
constexpr COLORREF kSeparator = RGB(230, 20, 20);
constexpr UINT_PTR kPollTimer = 7;
constexpr int kMaximumTicks = 200;  // 10 s at 50 ms

enum ItemPosition : UINT { kFirst, kMarked, kSeparatorItem, kWithSubmenu, kItemCount };

// The open menu as copied from the screen, and the item rectangles in the
// copy's coordinates.
struct ScreenCopy {
    bool seen = false;
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    RECT items[kItemCount] = {};

    // Outside the copy: a value no colour has.
    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
        return pixels[static_cast<size_t>(y) * width + x];
    }
    int Count(const RECT& area, COLORREF colour) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) count += At(x, y) == colour;
        return count;
    }
    bool LooksSkinned() const {
        return seen && At(0, height / 2) == kFrameOuter && At(width - 1, height / 2) == kFrameOuter &&
               At(1, height / 2) == kBackground && At(2, height / 2) == kBackground;
    }
};

struct Poll {
    HWND owner = nullptr;
    HMENU menu = nullptr;
    int ticks = 0;
    ScreenCopy copy;
};
Poll g_poll;

ScreenCopy CopyFromScreen(HWND menuWindow) {
    ScreenCopy copy;
    RECT bounds{};
    GetWindowRect(menuWindow, &bounds);
    copy.width = bounds.right - bounds.left;
    copy.height = bounds.bottom - bounds.top;
    if (copy.width <= 0 || copy.height <= 0) return copy;
    HDC screen = GetDC(nullptr);
    {
        OffscreenSurface surface(screen, copy.width, copy.height);
        BitBlt(surface.Dc(), 0, 0, copy.width, copy.height, screen, bounds.left, bounds.top, SRCCOPY);
        copy.pixels.reserve(static_cast<size_t>(copy.width) * copy.height);
        for (int y = 0; y < copy.height; ++y)
            for (int x = 0; x < copy.width; ++x) copy.pixels.push_back(GetPixel(surface.Dc(), x, y) & 0xFFFFFF);
    }
    ReleaseDC(nullptr, screen);
    for (UINT i = 0; i < kItemCount; ++i) {
        RECT item{};
        GetMenuItemRect(nullptr, g_poll.menu, i, &item);
        OffsetRect(&item, -bounds.left, -bounds.top);
        copy.items[i] = item;
    }
    copy.seen = true;
    return copy;
}

// Copies the menu once it is on the screen and painted; gives up after the
// deadline with the last copy so that the test reports what it saw.
void CALLBACK PollOpenMenu(HWND owner, UINT, UINT_PTR timer, DWORD) {
    ++g_poll.ticks;
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (menuWindow && IsWindowVisible(menuWindow)) {
        UpdateWindow(menuWindow);
        g_poll.copy = CopyFromScreen(menuWindow);
    }
    if (g_poll.copy.LooksSkinned() || g_poll.ticks > kMaximumTicks) {
        KillTimer(owner, timer);
        EndMenu();
    }
}
}  // namespace

TEST(SkinPopupMenu, OpenMenuOnScreenShowsFrameAndItemsInSkinColours) {
    RecordingHost host;
    // A small owner away from the menu: the menu is seen over the desktop.
    ASSERT_TRUE(host.Create(40, 30));
    ASSERT_TRUE(MenuFrameHook::Install());
    Font font = CreateSkinFont(kCaptionFont);
    SkinPopupMenu submenu(font.Get());
    submenu.Append(1101, "Inner");
    SkinPopupMenu menu(font.Get(), 150);
    menu.Append(1001, "First item");
    menu.Append(1002, "Marked item", nullptr, true);
    menu.Append(kMenuAppendSeparatorId, "");
    menu.Append(1003, "More", &submenu);
    g_poll = Poll();
    g_poll.owner = host.Handle();
    g_poll.menu = menu.Handle();
    SetTimer(host.Handle(), kPollTimer, 50, PollOpenMenu);
    EXPECT_EQ(menu.Choose(host.Handle(), POINT{300, 200}), 0u);
    MenuFrameHook::Uninstall();

    const ScreenCopy& copy = g_poll.copy;
    ASSERT_TRUE(copy.seen);
    // Three-line frame: red outside, then the menu background twice.
    const int middle = copy.height / 2;
    EXPECT_EQ(copy.At(0, middle), kFrameOuter);
    EXPECT_EQ(copy.At(copy.width - 1, middle), kFrameOuter);
    EXPECT_EQ(copy.At(copy.width / 2, 0), kFrameOuter);
    EXPECT_EQ(copy.At(1, middle), kBackground);
    EXPECT_EQ(copy.At(2, middle), kBackground);
    EXPECT_EQ(copy.At(copy.width - 3, middle), kBackground);

    struct TextCase {
        const char* name;
        UINT position;
        COLORREF text;
    };
    const TextCase texts[] = {
        {"ordinary item", kFirst, kText},
        {"marked item", kMarked, kMarkedText},
        {"item opening a submenu", kWithSubmenu, kText},
    };
    for (const TextCase& c : texts) {
        const RECT& item = copy.items[c.position];
        SCOPED_TRACE(testing::Message() << c.name << " at " << item << " in " << copy.width << "x" << copy.height);
        ASSERT_GT(item.right - item.left, 40);
        ASSERT_EQ(item.bottom - item.top, 21);
        // Past the text the item shows only its background.
        EXPECT_EQ(copy.At(item.right - 30, item.top + 1), kBackground);
        EXPECT_GT(copy.Count(item, c.text), 5);
        EXPECT_EQ(copy.Count(item, RGB(0, 0, 0)), 0);
    }
    const RECT& separator = copy.items[kSeparatorItem];
    ASSERT_EQ(separator.bottom - separator.top, 5);
    const int lineY = separator.top + 2;
    EXPECT_EQ(copy.At(separator.left, lineY), kSeparator);
    EXPECT_EQ(copy.At(separator.right - 1, lineY), kSeparator);
    EXPECT_EQ(copy.At((separator.left + separator.right) / 2, separator.top), kBackground);
}
