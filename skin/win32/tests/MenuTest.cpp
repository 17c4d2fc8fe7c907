// Skin popup menus: measuring and drawing through the owner-draw requests,
// and the frame hook painting the system's menu windows.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "skin/core/SkinStyle.h"
#include "skin/win32/GdiOwners.h"
#include "skin/win32/MenuFrameHook.h"
#include "skin/win32/SkinPopupMenu.h"

namespace {
ULONG_PTR ItemData(HMENU menu, UINT position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA | MIIM_FTYPE;
    EXPECT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    return info.dwItemData;
}

int CountColour(HDC dc, const RECT& area, COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += (GetPixel(dc, x, y) & 0xFFFFFF) == colour;
    return count;
}
}  // namespace

TEST(SkinPopupMenu, MeasuresEachKindOfItem) {
    Font font = CreateSkinFont(kCaptionFont);
    SkinPopupMenu submenu(font.Get(), 0);
    submenu.Append(1100, "macro");
    SkinPopupMenu menu(font.Get(), 0);
    menu.Append(1001, "eleven char");  // 11 characters: 88 pixels wide
    menu.Append(kMenuAppendSeparatorId, "");
    menu.Append(1, "hidden");
    menu.Append(1002, "more", &submenu);
    struct Case {
        UINT position;
        UINT height;
    };
    const Case cases[] = {
        {0, 21},  // ordinary item: 18 + 3
        {1, 5},   // separator
        {2, 0},   // identifier 1 takes no room
        {3, 21},  // popup item
    };
    for (const Case& c : cases) {
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemData = ItemData(menu.Handle(), c.position);
        LRESULT result = 0;
        ASSERT_TRUE(HandleMenuOwnerDraw(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
        EXPECT_EQ(measure.itemWidth, 88u) << c.position;
        EXPECT_EQ(measure.itemHeight, c.height) << c.position;
    }
    EXPECT_EQ(GetSubMenu(menu.Handle(), 3), submenu.Handle());
    // Requests about other owner-drawn items are left alone.
    MEASUREITEMSTRUCT foreign{};
    foreign.CtlType = ODT_MENU;
    foreign.itemData = 12345;
    LRESULT result = 0;
    EXPECT_FALSE(HandleMenuOwnerDraw(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&foreign), result));
}

TEST(SkinPopupMenu, DrawsItemsInTheSkinColours) {
    Font font = CreateSkinFont(kCaptionFont);
    SkinPopupMenu menu(font.Get(), 100);
    menu.Append(1001, "Normal");
    menu.Append(1002, "Marked", nullptr, true);
    menu.Append(kMenuAppendSeparatorId, "");
    MemoryDc screenCompatible;
    OffscreenSurface surface(GetDC(nullptr), 100, 21);
    // Asks for the item at the position to be drawn 100 pixels wide into the surface.
    auto draw = [&](UINT position, bool selected, LONG height) {
        DRAWITEMSTRUCT request{};
        request.CtlType = ODT_MENU;
        request.hDC = surface.Dc();
        request.rcItem = RECT{0, 0, 100, height};
        request.itemState = selected ? ODS_SELECTED : 0;
        request.itemData = ItemData(menu.Handle(), position);
        SelectClipRgn(surface.Dc(), nullptr);
        LRESULT result = 0;
        return HandleMenuOwnerDraw(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request), result);
    };
    struct Case {
        const char* name;
        UINT position;
        bool selected;
        COLORREF background;
        COLORREF text;
    };
    const Case cases[] = {
        {"normal", 0, false, RGB(30, 30, 30), RGB(240, 240, 240)},
        {"selected", 0, true, RGB(230, 30, 30), RGB(255, 255, 255)},
        {"marked", 1, false, RGB(30, 30, 30), RGB(68, 192, 255)},
        {"marked selected", 1, true, RGB(230, 30, 30), RGB(68, 192, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(draw(c.position, c.selected, 21));
        EXPECT_EQ(GetPixel(surface.Dc(), 95, 1), c.background);
        EXPECT_GT(CountColour(surface.Dc(), RECT{2, 0, 60, 21}, c.text), 5);
        // Text starts 2 pixels in.
        EXPECT_EQ(CountColour(surface.Dc(), RECT{0, 0, 2, 21}, c.text), 0);
    }
    ASSERT_TRUE(draw(2, false, 5));  // the separator
    EXPECT_EQ(GetPixel(surface.Dc(), 0, 2), RGB(230, 20, 20));
    EXPECT_EQ(GetPixel(surface.Dc(), 99, 2), RGB(230, 20, 20));
    EXPECT_EQ(GetPixel(surface.Dc(), 50, 0), RGB(30, 30, 30));
    EXPECT_EQ(GetPixel(surface.Dc(), 50, 4), RGB(30, 30, 30));
}

namespace {
// What the timer saw while the menu was open.
struct OpenMenuObservation {
    bool seen = false;
    bool hasProperty = false;
    size_t framed = 0;
    COLORREF edge[3] = {};
    COLORREF inside = 0;
    int ticks = 0;
};
OpenMenuObservation g_observation;

void CALLBACK ObserveOpenMenu(HWND owner, UINT, UINT_PTR timer, DWORD) {
    ++g_observation.ticks;
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (menuWindow && IsWindowVisible(menuWindow) && !g_observation.seen) {
        g_observation.seen = true;
        g_observation.hasProperty = GetPropA(menuWindow, "CoolMenu_oldProc") != nullptr;
        g_observation.framed = MenuFrameHook::FramedWindowCount();
        RECT bounds{};
        GetWindowRect(menuWindow, &bounds);
        WindowDc screen(menuWindow);
        OffscreenSurface surface(screen.Get(), bounds.right - bounds.left, bounds.bottom - bounds.top);
        SendMessageA(menuWindow, WM_PRINT, reinterpret_cast<WPARAM>(surface.Dc()),
                     PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
        for (int i = 0; i < 3; ++i) g_observation.edge[i] = GetPixel(surface.Dc(), i, i + 5);
        g_observation.inside = GetPixel(surface.Dc(), (bounds.right - bounds.left) - 8, 8);
    }
    if (g_observation.seen || g_observation.ticks > 200) {
        KillTimer(owner, timer);
        EndMenu();
    }
}
}  // namespace

// Installed beforehand (it stays), or only while the menu is up.
TEST(MenuFrameHook, PaintsTheFrameOfMenuWindows) {
    RecordingHost host;
    ASSERT_TRUE(host.Create());
    Font font = CreateSkinFont(kCaptionFont);
    SkinPopupMenu menu(font.Get(), 120);
    menu.Append(1001, "First");
    menu.Append(1002, "Second");
    for (bool installedBefore : {true, false}) {
        SCOPED_TRACE(installedBefore ? "installed before" : "installed for the menu");
        if (installedBefore) {
            ASSERT_TRUE(MenuFrameHook::Install());
            ASSERT_TRUE(MenuFrameHook::Install());  // a second install changes nothing
        }
        g_observation = OpenMenuObservation();
        SetTimer(host.Handle(), 1, 50, ObserveOpenMenu);
        UINT chosen = menu.Choose(host.Handle(), POINT{100, 100});
        EXPECT_EQ(chosen, 0u);
        ASSERT_TRUE(g_observation.seen);
        EXPECT_TRUE(g_observation.hasProperty);
        EXPECT_EQ(g_observation.framed, 1u);
        EXPECT_EQ(g_observation.edge[0], RGB(230, 20, 20));
        EXPECT_EQ(g_observation.edge[1], RGB(30, 30, 30));
        EXPECT_EQ(g_observation.edge[2], RGB(30, 30, 30));
        EXPECT_EQ(g_observation.inside, RGB(30, 30, 30));
        // Hidden menu windows are given back their own procedure.
        PumpPending();
        EXPECT_EQ(MenuFrameHook::FramedWindowCount(), 0u);
        EXPECT_EQ(MenuFrameHook::Installed(), installedBefore);
        MenuFrameHook::Uninstall();
        EXPECT_FALSE(MenuFrameHook::Installed());
    }
}
