#include "portio/InputReport.h"

#include <gtest/gtest.h>

#include <vector>

namespace portio {
namespace {

TEST(DecodeInputReport_Reports, TypeAndDataHighByteFirst) {
    struct Row {
        const char* What;
        std::vector<uint8_t> Report;
        bool Decoded;
        unsigned Type, Data;
    };
    const Row rows[] = {
        {"button 3 press", {0x00, 0x40, 0x00, 0x00, 0x03}, true, 0x4000, 0x0003},
        {"button 3 release", {0x00, 0x40, 0x00, 0x01, 0x03, 0x99}, true, 0x4000, 0x0103},
        {"profile 2 from the mouse", {0x05, 0x08, 0x00, 0x00, 0x02, 0, 0, 0}, true, 0x0800, 0x0002},
        {"idle report", {0x00, 0x00, 0x00, 0x00, 0x00, 0x07}, false, 0, 0},
        {"too short", {0x00, 0x40, 0x00, 0x00}, false, 0, 0},
    };
    for (const Row& row : rows) {
        DeviceEvent event;
        EXPECT_EQ(DecodeInputReport(row.Report.data(), static_cast<int>(row.Report.size()), event), row.Decoded)
            << row.What;
        EXPECT_EQ(event.Type, row.Type) << row.What;
        EXPECT_EQ(event.Data, row.Data) << row.What;
    }
    DeviceEvent event;
    EXPECT_FALSE(DecodeInputReport(nullptr, 8, event));
}

}  // namespace
}  // namespace portio
