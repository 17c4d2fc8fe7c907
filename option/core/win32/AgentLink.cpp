#include "option/core/win32/AgentLink.h"

#include <windows.h>

#include "option/core/OptionConstants.h"

bool AgentLink::SendApply(int mode) {
    HWND agent = FindWindowA(nullptr, option::kAgentWindowTitle);
    if (!agent) return false;
    // Sent without waiting for the agent to return: a hung agent must not
    // hang this window too. The answer comes as its own message (or the
    // wait gives up), so nothing here needs the result.
    return SendNotifyMessageA(agent, option::kMsgApplySettings, static_cast<WPARAM>(mode), 0) != FALSE;
}

void AgentLink::NotifyApplets() {
    for (const char* title : option::kAppletWindowTitles) {
        HWND applet = FindWindowA(nullptr, title);
        if (applet) PostMessageA(applet, option::kMsgApplySettings, 0, 0);
    }
}
