#include "portio/win32/ControlWindow.h"

#include "portio/ControlProtocol.h"

namespace portio {

namespace {
constexpr UINT kReplyTimeoutMs = 5000;
}

bool ControlWindow::Create() {
    // A hidden top-level window (not message-only) so that FindWindowA
    // from another process finds it.
    return Window::Create(kControlWindowClass, kControlWindowTitle, WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0);
}

LRESULT ControlWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kAttachMessage: return m_control.Attach();
    case kDetachMessage: return m_control.Detach();
    case kSendEventMessage: return m_control.SendEvent(static_cast<unsigned>(wParam), static_cast<unsigned>(lParam));
    case kReportStateMessage: return OnReportState(reinterpret_cast<HWND>(wParam), static_cast<int>(lParam));
    default: return DefaultProcessing(message, wParam, lParam);
    }
}

LRESULT ControlWindow::OnReportState(HWND replyWindow, int form) {
    if (!IsWindow(replyWindow)) return 0;
    std::string text = m_control.StateText(form);
    COPYDATASTRUCT copy{};
    copy.dwData = kStateReplyTag;
    copy.cbData = static_cast<DWORD>(text.size());
    copy.lpData = text.empty() ? nullptr : &text[0];
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(replyWindow, WM_COPYDATA, reinterpret_cast<WPARAM>(Handle()),
                               reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL, kReplyTimeoutMs, &result) != 0 &&
           result != 0;
}

}  // namespace portio
