#include "portio/TransferLog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace portio {
namespace {

TEST(FormatTransferLine_Command, UpperCaseHexWithoutSpaces) {
    const uint8_t select[] = {0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFC};
    EXPECT_EQ(FormatTransferLine(1234567, kSetFeatureTransfer, select, 8), "1234567 SetFeature 8 02010000000000FC\n");
}

TEST(ParseTransferLine_RoundTrip, GivesTheBytesBack) {
    uint8_t chunk[64];
    for (int i = 0; i < 64; ++i) chunk[i] = static_cast<uint8_t>(0xC0 + i);
    const std::string line = FormatTransferLine(18446744073709551615u, kWriteUSBTransfer, chunk, 64);
    TransferRecord record;
    ASSERT_TRUE(ParseTransferLine(line, record));
    EXPECT_EQ(record.Microseconds, 18446744073709551615u);
    EXPECT_EQ(record.Kind, "WriteUSB");
    ASSERT_EQ(record.Bytes.size(), 64u);
    EXPECT_EQ(record.Bytes[63], 0xFF);
}

TEST(ParseTransferLine_Malformed, Rejected) {
    const char* rows[] = {
        "",
        "12 SetFeature 8",                        // no bytes
        "12 SetFeature 8 02010000000000FC extra",  // trailing field
        "12 GetFeature 1 00",                     // not a logged transfer
        "12 SetFeature 2 00",                     // length and hex disagree
        "12 SetFeature 1 0g",                     // not hex
        "12 SetFeature 1 fc",                     // lower case is not what the log writes
        "-5 SetFeature 1 00",                     // negative time
        "99999999999999999999 SetFeature 1 00",   // time beyond 64 bits
        "12 SetFeature 99999999999999999999 00",  // length beyond 64 bits
    };
    for (const char* row : rows) {
        TransferRecord record;
        record.Kind = "untouched";
        EXPECT_FALSE(ParseTransferLine(row, record)) << row;
        EXPECT_EQ(record.Kind, "untouched") << row;
    }
}

TEST(TicksToMicroseconds_Values, ExactWithoutOverflow) {
    struct Row {
        uint64_t Ticks, Frequency, Expected;
    };
    const Row rows[] = {
        {10000000, 10000000, 1000000},                       // one second at 10 MHz
        {15, 10000000, 1},                                   // 1.5 us truncated
        {0x7FFFFFFFFFFFFFFFu, 10000000, 922337203685477580},  // ticks * 1e6 would overflow
        {3000, 3000000000u, 1},                              // 3 GHz counter
        {123, 0, 0},                                         // no counter
    };
    for (const Row& row : rows) EXPECT_EQ(TicksToMicroseconds(row.Ticks, row.Frequency), row.Expected) << row.Ticks;
}

TEST(ResolveInFolder_Paths, RelativeOnesJoinTheFolder) {
    struct Row {
        const char* Path;
        const char* Expected;
    };
    const Row rows[] = {
        {"transfers.log", "C:\\Program\\transfers.log"},
        {"logs\\t.log", "C:\\Program\\logs\\t.log"},
        {"D:\\t.log", "D:\\t.log"},          // drive-absolute
        {"\\\\server\\t.log", "\\\\server\\t.log"},  // network path
        {"", ""},                             // no log wanted
    };
    for (const Row& row : rows) EXPECT_EQ(ResolveInFolder("C:\\Program\\", row.Path), row.Expected) << row.Path;
}

}  // namespace
}  // namespace portio
