// The command line of portioctl, parsed without touching any window.
#pragma once

#include <string>
#include <vector>

namespace portio {

enum class ControlAction { Attach, Detach, Event, State, Dump };

struct ControlCommand {
    ControlAction Action = ControlAction::State;
    unsigned EventType = 0;  // 16 bits
    unsigned EventData = 0;  // 16 bits
    unsigned WaitSeconds = 0;  // how long to look for the control window
};

// False (with a reason) for anything malformed. Numbers are decimal or
// 0x-prefixed hexadecimal.
bool ParseControlCommand(const std::vector<std::string>& arguments, ControlCommand& command, std::string& error);

constexpr char kControlUsage[] =
    "usage: portioctl [--wait SECONDS] attach | detach | event TYPE DATA | state | dump\n"
    "  attach, detach  plug the virtual mouse in or out (presence message 1 / 0)\n"
    "  event TYPE DATA the mouse sends an event (event message, wParam TYPE, lParam DATA)\n"
    "  state           print what the mouse keeps, decoded\n"
    "  dump            print what the mouse keeps, in hex\n";

}  // namespace portio
