#include "skin/win32/HoverHint.h"

#include "skin/core/CurrentHint.h"
#include "skin/core/SkinMessages.h"

namespace {
HWND g_hintWindow = nullptr;
}

void SetHintWindow(HWND window) { g_hintWindow = window; }

HWND HintWindowFor(HWND control) {
    if (g_hintWindow && IsWindow(g_hintWindow)) return g_hintWindow;
    return control ? GetAncestor(control, GA_ROOTOWNER) : nullptr;
}

void PostShowHint(HWND control, bool shown) {
    HWND target = HintWindowFor(control);
    if (target) PostMessageA(target, MSG_SHOW_HINT, shown ? 1 : 0, 0);
}

void HoverTracker::OnMouseMove(HWND control, const std::string& hint) {
    if (!m_tracked) {
        TRACKMOUSEEVENT request{};
        request.cbSize = sizeof request;
        request.dwFlags = TME_LEAVE;
        request.hwndTrack = control;
        request.dwHoverTime = kHoverLeaveTimeMs;
        m_tracked = TrackMouseEvent(&request) != FALSE;
    }
    if (OfferCurrentHint(hint)) PostShowHint(control, true);
}
