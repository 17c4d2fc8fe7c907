#include "MouseCommand.h"

#include <cctype>

namespace mousectl {

namespace {

struct CommandShape {
    const char* name;
    CommandKind kind;
    bool slotOption;  // takes --slot N
    int positionals;  // select: the slot; apply, export, backup and restore: the file
};

constexpr CommandShape kShapes[] = {
    {"status", CommandKind::Status, false, 0},  {"select", CommandKind::Select, false, 1},
    {"apply", CommandKind::Apply, true, 1},     {"export", CommandKind::Export, true, 1},
    {"defaults", CommandKind::Defaults, true, 0}, {"backup", CommandKind::Backup, false, 1},
    {"restore", CommandKind::Restore, false, 1},
};

// 1..5 as digits only: "02" or "+2" are typing slips, not slots.
bool ParseSlot(const std::string& text, int& slot) {
    if (text.size() != 1 || !std::isdigit(static_cast<unsigned char>(text[0]))) return false;
    const int number = text[0] - '0';
    if (number < kFirstUserSlot || number > kLastUserSlot) return false;
    slot = number - kFirstUserSlot;
    return true;
}

ParseResult Failure(const std::string& error) {
    ParseResult result;
    result.error = error;
    return result;
}

std::string BadSlot(const std::string& text) { return "slot must be 1 to 5, not '" + text + "'"; }

}  // namespace

ParseResult ParseCommand(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return Failure("no command given");
    const CommandShape* shape = nullptr;
    for (const CommandShape& candidate : kShapes)
        if (arguments[0] == candidate.name) shape = &candidate;
    if (!shape) return Failure("unknown command '" + arguments[0] + "'");

    ParseResult result;
    result.command.kind = shape->kind;
    std::vector<std::string> positionals;
    bool slotGiven = false;
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] != kSlotOption) {
            positionals.push_back(arguments[i]);
            continue;
        }
        if (!shape->slotOption) return Failure(std::string(shape->name) + " takes no " + kSlotOption);
        if (slotGiven) return Failure(std::string(kSlotOption) + " given twice");
        if (i + 1 >= arguments.size()) return Failure(std::string(kSlotOption) + " needs a slot number 1 to 5");
        if (!ParseSlot(arguments[i + 1], result.command.slot)) return Failure(BadSlot(arguments[i + 1]));
        slotGiven = true;
        ++i;
    }
    if (static_cast<int>(positionals.size()) != shape->positionals) {
        if (positionals.size() > static_cast<size_t>(shape->positionals))
            return Failure("unexpected argument '" + positionals[shape->positionals] + "'");
        return Failure(std::string(shape->name) + (shape->kind == CommandKind::Select ? " needs a slot number 1 to 5"
                                                                                     : " needs a file name"));
    }
    if (shape->slotOption && !slotGiven) return Failure(std::string(shape->name) + " needs " + kSlotOption + " N");
    if (shape->kind == CommandKind::Select) {
        if (!ParseSlot(positionals[0], result.command.slot)) return Failure(BadSlot(positionals[0]));
    } else if (shape->positionals == 1) {
        result.command.path = positionals[0];
    }
    result.ok = true;
    return result;
}

std::string UsageText() {
    return "usage: mousectl status                      mouse present, current slot, the five profile names\n"
           "       mousectl select N                    make slot N (1..5) current, on the mouse too\n"
           "       mousectl apply FILE --slot N         put a .gmp profile into slot N and write it to the mouse\n"
           "       mousectl export --slot N FILE        save slot N's profile as a .gmp file\n"
           "       mousectl defaults --slot N           reset slot N to its defaults and write it to the mouse\n"
           "       mousectl backup FILE                 save the five profiles, the macros and config.ini in one file\n"
           "       mousectl restore FILE                put a backup back, all of it or nothing, and write the mouse\n"
           "exit codes: 0 done, 1 bad, unreadable or unwritable file (or Option open during a restore),\n"
           "            2 bad command line, 3 Monitor not running\n";
}

}  // namespace mousectl
