#include "option/core/win32/AgentLink.h"

#include <windows.h>

#include "option/core/OptionConstants.h"

bool AgentLink::SendApply(int mode) {
    HWND agent = FindWindowA(nullptr, option::kAgentWindowTitle);
    if (!agent) return false;
    SendMessageA(agent, option::kMsgApplySettings, static_cast<WPARAM>(mode), 0);
    return true;
}

void AgentLink::NotifyApplets() {
    for (const char* title : option::kAppletWindowTitles) {
        HWND applet = FindWindowA(nullptr, title);
        if (applet) PostMessageA(applet, option::kMsgApplySettings, 0, 0);
    }
}
