#include "skin/win32/MenuFrameHook.h"

#include <cstring>
#include <memory>
#include <unordered_map>

#include "skin/core/SkinMenu.h"
#include "skin/win32/GdiOwners.h"

namespace {
// What each subclassed menu window needs: its own procedure to return to.
struct FramePainter {
    WNDPROC oldProcedure;
};

struct ThreadHook {
    HHOOK hook = nullptr;
    std::unique_ptr<std::unordered_map<HWND, FramePainter>> painters;
};

thread_local ThreadHook g_thread;

WNDPROC OldProcedureOf(HWND window) {
    return reinterpret_cast<WNDPROC>(GetPropA(window, kMenuOldProcProperty));
}

void Unsubclass(HWND window) {
    WNDPROC old = OldProcedureOf(window);
    if (old) SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    RemovePropA(window, kMenuOldProcProperty);
    if (g_thread.painters) g_thread.painters->erase(window);
}

void PaintWindowFrame(HWND window, HDC dc) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    MenuFrameHook::PaintFrame(dc, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void PaintFrameOnScreen(HWND window) {
    HDC dc = GetWindowDC(window);
    if (!dc) return;
    PaintWindowFrame(window, dc);
    ReleaseDC(window, dc);
}

LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC old = OldProcedureOf(window);
    if (!old) return DefWindowProcA(window, message, wParam, lParam);
    try {
        switch (message) {
        case WM_SHOWWINDOW:
            if (wParam == 0) Unsubclass(window);
            return CallWindowProcA(old, window, message, wParam, lParam);
        case WM_NCDESTROY:
            Unsubclass(window);
            return CallWindowProcA(old, window, message, wParam, lParam);
        case WM_NCCALCSIZE: {
            LRESULT result = CallWindowProcA(old, window, message, wParam, lParam);
            auto* client = reinterpret_cast<RECT*>(lParam);
            InflateRect(client, -kMenuFrameInset, -kMenuFrameInset);
            return result;
        }
        case WM_NCPAINT:
            PaintFrameOnScreen(window);
            return 0;
        case WM_PAINT: {
            // Where the system draws the menu's edge inside the client area
            // (Wine does), the non-client paint alone leaves its own edge on
            // screen; the frame goes over it once the items are drawn.
            LRESULT result = CallWindowProcA(old, window, message, wParam, lParam);
            PaintFrameOnScreen(window);
            return result;
        }
        case WM_PRINT: {
            LRESULT result = CallWindowProcA(old, window, message, wParam, lParam);
            PaintWindowFrame(window, reinterpret_cast<HDC>(wParam));
            return result;
        }
        default:
            return CallWindowProcA(old, window, message, wParam, lParam);
        }
    } catch (...) {
        OutputDebugStringA("MenuFrameHook: exception in menu window procedure\n");
        return CallWindowProcA(old, window, message, wParam, lParam);
    }
}

bool IsMenuWindow(HWND window) {
    char className[16] = {};
    return GetClassNameA(window, className, sizeof className) && std::strcmp(className, kMenuWindowClass) == 0;
}

void Subclass(HWND window) {
    if (!g_thread.painters || GetPropA(window, kMenuOldProcProperty) || !IsMenuWindow(window)) return;
    auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (!old || !SetPropA(window, kMenuOldProcProperty, reinterpret_cast<HANDLE>(old))) return;
    if (!SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameProcedure))) {
        RemovePropA(window, kMenuOldProcProperty);
        return;
    }
    (*g_thread.painters)[window] = FramePainter{old};
}

LRESULT CALLBACK HookProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        try {
            const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
            if (call->message == WM_CREATE || call->message == kMenuSizingMessage) Subclass(call->hwnd);
        } catch (...) {
            OutputDebugStringA("MenuFrameHook: exception in hook\n");
        }
    }
    return CallNextHookEx(g_thread.hook, code, wParam, lParam);
}
}  // namespace

namespace MenuFrameHook {
bool Install() {
    if (g_thread.hook) return true;
    g_thread.painters = std::make_unique<std::unordered_map<HWND, FramePainter>>(kMenuMapBuckets);
    g_thread.hook = SetWindowsHookExA(WH_CALLWNDPROC, HookProcedure, nullptr, GetCurrentThreadId());
    if (!g_thread.hook) g_thread.painters.reset();
    return g_thread.hook != nullptr;
}

void Uninstall() {
    if (g_thread.painters) {
        // Unsubclass erases from the map; walk a copy of the keys.
        std::unordered_map<HWND, FramePainter> painters = *g_thread.painters;
        for (const auto& entry : painters) Unsubclass(entry.first);
        g_thread.painters.reset();
    }
    if (g_thread.hook) UnhookWindowsHookEx(g_thread.hook);
    g_thread.hook = nullptr;
}

bool Installed() { return g_thread.hook != nullptr; }

size_t FramedWindowCount() { return g_thread.painters ? g_thread.painters->size() : 0; }

void PaintFrame(HDC dc, int width, int height) {
    RECT edge{0, 0, width, height};
    for (SkinColour colour : kMenuFrameColours) {
        Brush brush(CreateSolidBrush(colour));
        FrameRect(dc, &edge, brush.Get());
        InflateRect(&edge, -1, -1);
    }
}
}  // namespace MenuFrameHook
