// The mousectl command line: what each accepted form means and which forms
// are refused.
#include "MouseCommand.h"

#include <gtest/gtest.h>

namespace {

using mousectl::CommandKind;
using mousectl::ParseCommand;

TEST(ParseCommand_Accepted, GivesKindSlotFromZeroAndFile) {
    struct Row {
        std::vector<std::string> arguments;
        CommandKind kind;
        int slot;
        std::string path;
    };
    const Row rows[] = {
        {{"status"}, CommandKind::Status, -1, ""},
        // Users count slots 1..5; the block counts 0..4.
        {{"select", "1"}, CommandKind::Select, 0, ""},
        {{"select", "5"}, CommandKind::Select, 4, ""},
        {{"apply", "a.gmp", "--slot", "3"}, CommandKind::Apply, 2, "a.gmp"},
        // --slot may come before the file.
        {{"apply", "--slot", "2", "my profile.gmp"}, CommandKind::Apply, 1, "my profile.gmp"},
        {{"export", "--slot", "5", "out.gmp"}, CommandKind::Export, 4, "out.gmp"},
        {{"defaults", "--slot", "1"}, CommandKind::Defaults, 0, ""},
        {{"backup", "all.ini"}, CommandKind::Backup, -1, "all.ini"},
        {{"restore", "all.ini"}, CommandKind::Restore, -1, "all.ini"},
    };
    for (const Row& row : rows) {
        const mousectl::ParseResult result = ParseCommand(row.arguments);
        ASSERT_TRUE(result.ok) << row.arguments[0] << ": " << result.error;
        EXPECT_EQ(result.command.kind, row.kind) << row.arguments[0];
        EXPECT_EQ(result.command.slot, row.slot) << row.arguments[0];
        EXPECT_EQ(result.command.path, row.path) << row.arguments[0];
    }
}

TEST(ParseCommand_Refused, NamesTheFault) {
    struct Row {
        std::vector<std::string> arguments;
        std::string error;
    };
    const Row rows[] = {
        {{}, "no command given"},
        {{"reboot"}, "unknown command 'reboot'"},
        // The slot range's corners: one below, one above, the block's own 0.
        {{"select", "0"}, "slot must be 1 to 5, not '0'"},
        {{"select", "6"}, "slot must be 1 to 5, not '6'"},
        {{"defaults", "--slot", "0"}, "slot must be 1 to 5, not '0'"},
        // Not a number, signs and leading zeros.
        {{"select", "x"}, "slot must be 1 to 5, not 'x'"},
        {{"export", "--slot", "02", "f.gmp"}, "slot must be 1 to 5, not '02'"},
        {{"select", ""}, "slot must be 1 to 5, not ''"},
        // Missing pieces.
        {{"select"}, "select needs a slot number 1 to 5"},
        {{"apply", "--slot", "1"}, "apply needs a file name"},
        {{"apply", "a.gmp"}, "apply needs --slot N"},
        {{"restore"}, "restore needs a file name"},
        {{"defaults", "--slot"}, "--slot needs a slot number 1 to 5"},
        // Too much.
        {{"status", "now"}, "unexpected argument 'now'"},
        {{"export", "--slot", "1", "a.gmp", "b.gmp"}, "unexpected argument 'b.gmp'"},
        {{"select", "--slot", "2"}, "select takes no --slot"},
        {{"backup", "--slot", "2", "all.ini"}, "backup takes no --slot"},
        {{"defaults", "--slot", "1", "--slot", "2"}, "--slot given twice"},
    };
    for (const Row& row : rows) {
        const mousectl::ParseResult result = ParseCommand(row.arguments);
        EXPECT_FALSE(result.ok) << row.error;
        EXPECT_EQ(result.error, row.error);
    }
}

}  // namespace
