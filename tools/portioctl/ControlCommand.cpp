#include "tools/portioctl/ControlCommand.h"

#include <cerrno>
#include <cstdlib>

namespace portio {

namespace {

constexpr unsigned long kSixteenBits = 0xFFFF;
constexpr unsigned long kLongestWaitSeconds = 3600;

bool ParseNumber(const std::string& text, unsigned long limit, unsigned& value) {
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long parsed = std::strtoul(text.c_str(), &end, 0);
    if (errno || *end != '\0' || parsed > limit) return false;
    value = static_cast<unsigned>(parsed);
    return true;
}

}  // namespace

bool ParseControlCommand(const std::vector<std::string>& arguments, ControlCommand& command, std::string& error) {
    ControlCommand parsed;
    size_t next = 0;
    if (next < arguments.size() && arguments[next] == "--wait") {
        if (next + 1 >= arguments.size() || !ParseNumber(arguments[next + 1], kLongestWaitSeconds, parsed.WaitSeconds)) {
            error = "--wait needs a number of seconds";
            return false;
        }
        next += 2;
    }
    if (next >= arguments.size()) {
        error = "no command";
        return false;
    }
    const std::string& name = arguments[next++];
    size_t operands = 0;
    if (name == "attach") {
        parsed.Action = ControlAction::Attach;
    } else if (name == "detach") {
        parsed.Action = ControlAction::Detach;
    } else if (name == "state") {
        parsed.Action = ControlAction::State;
    } else if (name == "dump") {
        parsed.Action = ControlAction::Dump;
    } else if (name == "event") {
        parsed.Action = ControlAction::Event;
        operands = 2;
        if (next + operands > arguments.size() || !ParseNumber(arguments[next], kSixteenBits, parsed.EventType) ||
            !ParseNumber(arguments[next + 1], kSixteenBits, parsed.EventData)) {
            error = "event needs TYPE and DATA, each 0..0xFFFF";
            return false;
        }
    } else {
        error = "unknown command " + name;
        return false;
    }
    if (next + operands != arguments.size()) {
        error = "too many arguments";
        return false;
    }
    command = parsed;
    return true;
}

}  // namespace portio
