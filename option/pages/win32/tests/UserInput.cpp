#include "option/pages/win32/tests/UserInput.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "profile/win32/PrivateProfileAccessor.h"
#include "skin/core/ButtonEntry.h"
#include "testing/DistFolder.h"
#include "testing/PointerHandOver.h"
#include "testing/PointerInput.h"
#include "testing/Screenshot.h"

namespace userinput {

namespace {

constexpr DWORD kDeadlineMs = 60000;
constexpr UINT kMenuGetHandle = 0x01E1;  // MN_GETHMENU
constexpr char kMenuClass[] = "#32768";
constexpr char kDialogClass[] = "FrameDialog";

}  // namespace

void MoveTo(POINT screen) { testsupport::MovePointerTo(screen); }

void ClickAt(POINT screen) {
    MoveTo(screen);
    testsupport::WaitForPointerHandOver(screen, kDeadlineMs);
    testsupport::SendClickAt(screen);
}

POINT CentreOf(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

POINT SkinCentre(HWND window, const std::string& skinFile, int key) {
    PrivateProfileAccessor skin(testsupport::DistFolder() + "skins\\" + skinFile);
    ButtonEntry entry = ParseButtonEntry(skin.GetString("BUTTONPOS", std::to_string(key).c_str(), ""));
    POINT centre{(entry.rect.left + entry.rect.right) / 2, (entry.rect.top + entry.rect.bottom) / 2};
    ClientToScreen(window, &centre);
    return centre;
}

HWND WaitForWindow(const char* title) {
    HWND found = nullptr;
    WaitFor([&] {
        found = FindWindowA(nullptr, title);
        return found && IsWindowVisible(found);
    });
    return found && IsWindowVisible(found) ? found : nullptr;
}

bool WaitForWindowGone(const char* title) {
    return WaitFor([&] {
        HWND found = FindWindowA(nullptr, title);
        return !found || !IsWindowVisible(found);
    });
}

namespace {
struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwned(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<OwnedSearch*>(lParam);
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    // Menus are owned by the same window; only our dialog class counts.
    if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == search->owner &&
        strcmp(className, kDialogClass) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND OwnedDialog(HWND owner) {
    OwnedSearch search{owner, nullptr};
    EnumWindows(FindOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
}  // namespace

HWND WaitForOwnedDialog(HWND owner) {
    WaitFor([&] { return OwnedDialog(owner) != nullptr; });
    return OwnedDialog(owner);
}

bool WaitForOwnedDialogGone(HWND owner) {
    return WaitFor([&] { return OwnedDialog(owner) == nullptr; });
}

std::vector<HWND> OpenMenus() {
    std::vector<HWND> menus;
    HWND menu = nullptr;
    while ((menu = FindWindowExA(nullptr, menu, kMenuClass, nullptr)))
        if (IsWindowVisible(menu)) menus.insert(menus.begin(), menu);
    return menus;
}

HWND WaitForMenus(size_t count) {
    std::vector<HWND> menus;
    WaitFor([&] {
        menus = OpenMenus();
        return menus.size() >= count;
    });
    // Listed from the bottom of the z-order: the newest menu is on top.
    return menus.size() >= count ? menus.back() : nullptr;
}

POINT MenuItemCentre(HWND menuWindow, int index) {
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, kMenuGetHandle, 0, 0));
    RECT item{};
    GetMenuItemRect(nullptr, menu, static_cast<UINT>(index), &item);
    return POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}

void Screenshot(const std::string& name) {
    if (!std::getenv("SCREENSHOT_DIR")) return;
    Sleep(400);  // only for the picture: lets the windows finish painting
    testsupport::SaveScreenshot(name);
}

}  // namespace userinput
