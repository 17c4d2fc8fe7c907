// The command line of mousectl: the command, the slot as users count it
// (1..5, kept here as 0..4) and the file.
#pragma once

#include <string>
#include <vector>

namespace mousectl {

// Exit codes, one per kind of failure, so that scripts can tell them apart.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;   // a bad or unreadable profile or backup file, a file that could not be written
constexpr int kExitUsage = 2;    // unknown command, missing or extra argument, slot outside 1..5
constexpr int kExitNoAgent = 3;  // Monitor.exe is not running

constexpr int kFirstUserSlot = 1;
constexpr int kLastUserSlot = 5;
constexpr char kSlotOption[] = "--slot";

enum class CommandKind { Status, Select, Apply, Export, Defaults, Backup, Restore };

struct Command {
    CommandKind kind = CommandKind::Status;
    int slot = -1;  // 0..4; -1 for status
    std::string path;
};

struct ParseResult {
    bool ok = false;
    Command command;
    std::string error;  // one line for the user when not ok
};

// The arguments after the program name.
ParseResult ParseCommand(const std::vector<std::string>& arguments);

std::string UsageText();

}  // namespace mousectl
