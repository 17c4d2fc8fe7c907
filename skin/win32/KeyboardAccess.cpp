#include "skin/win32/KeyboardAccess.h"

#include <algorithm>
#include <vector>

#include "frame/Dialog.h"
#include "skin/core/KeyboardNavigation.h"
#include "skin/win32/GdiOwners.h"
#include "skin/win32/SubclassedControl.h"

namespace {

constexpr int kFocusMarkInset = 2;

bool g_focusMarkShown = false;

bool IsNavigationKey(WPARAM key) {
    switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END: return true;
    default: return false;
    }
}

bool IsPointerPress(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: return true;
    default: return false;
    }
}

}  // namespace

void ArrangeTabOrder(HWND window) {
    std::vector<HWND> children;
    std::vector<SkinRect> places;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        // A control of a missing placement entry has no size: nothing to reach.
        const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
        if (!(style & WS_TABSTOP) && !IsRectEmpty(&place) && SubclassedControl::FromHandle(child))
            SetWindowLongPtrA(child, GWL_STYLE, style | WS_TABSTOP);
        children.push_back(child);
        places.push_back(SkinRect{place.left, place.top, place.right, place.bottom});
    }
    // Each move or look at the order is a round trip to the window server
    // under Wine: the order is followed here, and only the controls out of
    // place are moved (most were made in reading order).
    std::vector<HWND> current = children;
    size_t position = 0;
    for (size_t index : ReadingOrder(places)) {
        HWND child = children[index];
        if (current[position] != child) {
            SetWindowPos(child, position ? current[position - 1] : HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
            current.erase(std::find(current.begin() + position, current.end(), child));
            current.insert(current.begin() + position, child);
        }
        ++position;
    }
}

bool TabWalks(HWND window) {
    return Dialog::FromHandle(window) || (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD);
}

void SetHintAsWindowText(HWND control, const std::string& hint) {
    if (control) SetWindowTextA(control, ControlWindowText("", hint).c_str());
}

bool FocusMarkShown() { return g_focusMarkShown; }

void NoteInputForFocusMark(const MSG& message) {
    bool shown = g_focusMarkShown;
    if (message.message == WM_KEYDOWN && IsNavigationKey(message.wParam)) shown = true;
    if (IsPointerPress(message.message)) shown = false;
    if (shown == g_focusMarkShown) return;
    g_focusMarkShown = shown;
    if (HWND focus = GetFocus())
        SendMessageA(focus, WM_UPDATEUISTATE, MAKEWPARAM(shown ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS), 0);
}

void DrawFocusMark(HDC dc, const RECT& area) {
    RECT mark = area;
    InflateRect(&mark, -kFocusMarkInset, -kFocusMarkInset);
    if (IsRectEmpty(&mark)) return;
    // Inverting keeps the mark visible on the dark faces and the light wells alike.
    LOGBRUSH colour{BS_SOLID, RGB(0, 0, 0), 0};
    Pen pen(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &colour, 0, nullptr));
    SelectedObject selectedPen(dc, pen.Get());
    SelectedObject selectedBrush(dc, GetStockObject(NULL_BRUSH));
    const int previousMode = SetROP2(dc, R2_NOT);
    Rectangle(dc, mark.left, mark.top, mark.right, mark.bottom);
    SetROP2(dc, previousMode);
}
