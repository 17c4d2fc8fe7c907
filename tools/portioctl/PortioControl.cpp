// portioctl: finds the virtual mouse's control window and tells it what to
// do. Exit code 0 done, 1 bad command line, 2 no control window, 3 refused
// or no answer.
#include "frame/Window.h"
#include "portio/ControlProtocol.h"
#include "tools/portioctl/ControlCommand.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace portio;

constexpr int kExitDone = 0;
constexpr int kExitUsage = 1;
constexpr int kExitNoWindow = 2;
constexpr int kExitRefused = 3;
constexpr DWORD kFindPollMs = 100;
constexpr UINT kAnswerTimeoutMs = 10000;
constexpr char kReplyWindowClass[] = "PortioControlReply";

// Receives the state text the control window sends back.
class ReplyWindow : public Window {
public:
    bool Create() { return Window::Create(kReplyWindowClass, "", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0); }
    bool Received() const { return m_received; }
    const std::string& Text() const { return m_text; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COPYDATA) return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return DefaultProcessing(message, wParam, lParam);
    }

private:
    LRESULT OnCopyData(const COPYDATASTRUCT* copy) {
        if (!copy || copy->dwData != kStateReplyTag) return 0;
        m_text.assign(static_cast<const char*>(copy->lpData), copy->lpData ? copy->cbData : 0);
        m_received = true;
        return 1;
    }

    std::string m_text;
    bool m_received = false;
};

HWND FindControlWindow(unsigned waitSeconds) {
    const ULONGLONG deadline = GetTickCount64() + waitSeconds * 1000ull;
    for (;;) {
        if (HWND window = FindWindowA(kControlWindowClass, kControlWindowTitle)) return window;
        if (GetTickCount64() >= deadline) return nullptr;
        Sleep(kFindPollMs);
    }
}

bool Ask(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(control, message, wParam, lParam, SMTO_NORMAL, kAnswerTimeoutMs, &result) &&
           result != 0;
}

int PrintState(HWND control, StateForm form) {
    ReplyWindow reply;
    if (!reply.Create()) return kExitRefused;
    if (!Ask(control, kReportStateMessage, reinterpret_cast<WPARAM>(reply.Handle()), form) || !reply.Received())
        return kExitRefused;
    std::fwrite(reply.Text().data(), 1, reply.Text().size(), stdout);
    std::fflush(stdout);
    return kExitDone;
}

int Run(const ControlCommand& command) {
    HWND control = FindControlWindow(command.WaitSeconds);
    if (!control) {
        std::fprintf(stderr, "portioctl: no \"%s\" window (is portio.dll loaded with the virtual mouse?)\n",
                     kControlWindowTitle);
        return kExitNoWindow;
    }
    bool done = false;
    switch (command.Action) {
    case ControlAction::Attach: done = Ask(control, kAttachMessage, 0, 0); break;
    case ControlAction::Detach: done = Ask(control, kDetachMessage, 0, 0); break;
    case ControlAction::Event: done = Ask(control, kSendEventMessage, command.EventType, command.EventData); break;
    case ControlAction::State: return PrintState(control, kDecodedState);
    case ControlAction::Dump: return PrintState(control, kRawState);
    }
    if (!done) std::fprintf(stderr, "portioctl: the virtual mouse refused (detached, or no monitor open)\n");
    return done ? kExitDone : kExitRefused;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        ControlCommand command;
        std::string error;
        if (!ParseControlCommand(std::vector<std::string>(argv + 1, argv + argc), command, error)) {
            std::fprintf(stderr, "portioctl: %s\n%s", error.c_str(), kControlUsage);
            return kExitUsage;
        }
        return Run(command);
    } catch (...) {
        return kExitRefused;
    }
}
