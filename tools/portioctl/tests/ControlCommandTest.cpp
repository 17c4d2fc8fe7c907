#include "tools/portioctl/ControlCommand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace portio {
namespace {

TEST(ParseControlCommand_Valid, Parsed) {
    struct Row {
        std::vector<std::string> Arguments;
        ControlAction Action;
        unsigned Type, Data, Wait;
    };
    const Row rows[] = {
        {{"attach"}, ControlAction::Attach, 0, 0, 0},
        {{"detach"}, ControlAction::Detach, 0, 0, 0},
        {{"state"}, ControlAction::State, 0, 0, 0},
        {{"--wait", "30", "dump"}, ControlAction::Dump, 0, 0, 30},
        {{"event", "0x4000", "3"}, ControlAction::Event, 0x4000, 3, 0},  // button 3 press
        {{"event", "0xF000", "0x0120"}, ControlAction::Event, 0xF000, 0x0120, 0},
        {{"event", "0xFFFF", "65535"}, ControlAction::Event, 0xFFFF, 0xFFFF, 0},  // largest values
    };
    for (const Row& row : rows) {
        ControlCommand command;
        std::string error;
        ASSERT_TRUE(ParseControlCommand(row.Arguments, command, error)) << row.Arguments[0] << ": " << error;
        EXPECT_EQ(command.Action, row.Action);
        EXPECT_EQ(command.EventType, row.Type);
        EXPECT_EQ(command.EventData, row.Data);
        EXPECT_EQ(command.WaitSeconds, row.Wait);
    }
}

TEST(ParseControlCommand_Malformed, RejectedWithAReason) {
    const std::vector<std::vector<std::string>> rows = {
        {},                              // nothing
        {"plug"},                        // unknown command
        {"attach", "now"},               // extra operand
        {"event", "0x4000"},             // data missing
        {"event", "0x10000", "1"},       // type beyond 16 bits
        {"event", "1", "-1"},            // negative data
        {"event", "1", "12abc"},         // trailing junk
        {"event", "1", "99999999999999999999999"},  // overflow
        {"--wait"},                      // no seconds
        {"--wait", "x", "state"},        // seconds not a number
        {"--wait", "5"},                 // no command after the option
    };
    for (const auto& row : rows) {
        ControlCommand command;
        command.WaitSeconds = 77;
        std::string error;
        EXPECT_FALSE(ParseControlCommand(row, command, error)) << (row.empty() ? "" : row[0]);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(command.WaitSeconds, 77u);
    }
}

}  // namespace
}  // namespace portio
