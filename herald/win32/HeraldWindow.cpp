#include "HeraldWindow.h"

#include "herald/HeraldConstants.h"
#include "herald/NoticeFade.h"
#include "herald/NoticeText.h"

namespace herald {

namespace {

constexpr UINT_PTR kFadeTimerId = 1;
// Never activated, never hit by the pointer, no taskbar button, above all.
constexpr DWORD kExtendedStyle =
    WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;

}  // namespace

bool HeraldWindow::Create() {
    return Window::Create(kWindowClass, kWindowTitle, WS_POPUP, kExtendedStyle, 0, 0, 1, 1);
}

LRESULT HeraldWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate();
    case kMsgNotice: return OnNotice(wParam, lParam);
    case kMsgDisplaySettings: return OnSettingsChanged();
    case kMsgApply: return OnSettingsChanged();
    case WM_TIMER: return wParam == kFadeTimerId ? OnFadeTimer() : 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_DESTROY: return OnDestroy();
    default: return DefaultProcessing(message, wParam, lParam);
    }
}

LRESULT HeraldWindow::OnCreate() {
    m_shownText = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 0, 0, Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kShownTextId)),
                                  GetModuleHandleA(nullptr), nullptr);
    return 0;
}

LRESULT HeraldWindow::OnNotice(WPARAM kind, LPARAM data) {
    // Monitor wrote the files before posting, so they hold this notice's data.
    const std::string text = BuildNoticeText(static_cast<uint32_t>(kind), data, m_files, m_programFolder);
    if (text.empty()) return 0;
    m_kind = static_cast<uint32_t>(kind);
    m_data = data;
    Show(text);
    return 0;
}

LRESULT HeraldWindow::OnSettingsChanged() {
    // New settings (a renamed profile, say) show at once on a notice still up.
    if (!m_showing) return 0;
    const std::string text = BuildNoticeText(m_kind, m_data, m_files, m_programFolder);
    if (text.empty() || text == m_text) return 0;
    const DWORD shownAt = m_shownAt;
    Show(text);
    m_shownAt = shownAt;
    return 0;
}

LRESULT HeraldWindow::OnFadeTimer() {
    const DWORD elapsed = GetTickCount() - m_shownAt;
    if (NoticeFinished(elapsed)) {
        Hide();
    } else {
        m_painter.Present(Handle(), NoticeOpacity(elapsed));
    }
    return 0;
}

LRESULT HeraldWindow::OnDestroy() {
    KillTimer(Handle(), kFadeTimerId);
    PostQuitMessage(0);
    return 0;
}

void HeraldWindow::Show(const std::string& text) {
    if (!m_painter.Paint(text) || !m_painter.Present(Handle(), NoticeOpacity(0))) return;
    m_text = text;
    SetWindowTextA(m_shownText, text.c_str());
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_showing = true;
    m_shownAt = GetTickCount();
    SetTimer(Handle(), kFadeTimerId, kFadeStepMilliseconds, nullptr);
}

void HeraldWindow::Hide() {
    KillTimer(Handle(), kFadeTimerId);
    ShowWindow(Handle(), SW_HIDE);
    m_showing = false;
    m_text.clear();
    SetWindowTextA(m_shownText, "");
}

}  // namespace herald
