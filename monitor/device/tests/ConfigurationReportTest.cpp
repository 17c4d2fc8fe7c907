#include <gtest/gtest.h>

#include "monitor/device/ConfigurationReport.h"
#include "monitor/device/tests/DeviceTestSupport.h"

using namespace device;
using device_test::Bytes;
using device_test::Hex;

TEST(BuildConfigurationReport_DefaultProfile, MatchesHandBuiltBytes) {
    const std::string expected =
        "FF FF 00 00 00 00 00 00 00 00 00 00 00 00 00 00"  //   0: marker, zeros
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"  //  16
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"  //  32
        "35 D4 0B 04 00 00 00 00 00 00 00 00 00 80 03 00"  //  48: constants, 61..63
        "0F 00 0A 0A 19 19 05"                             //  64..70
        "04 19 00"                                         //  71..73: colour cycle, speed 2 -> 25, direction 0
        "64 64"                                            //  74..75: sensitivity 10 x 10
        "01 C0 F0 03 01 01 64 00"                          //  76..83
        "04 06 08 16 18 07 07 07"                          //  84..91: levels 4 6 8 10 12
        "04 06 08 16 18 07 07 07"                          //  92..99: the same again
        "7F FF FF FF"                                      // 100..103
        "FF 00 00 00 FF 00 00 00 FF FF FF 00"              // 104: ColorOptions 0, 1, 3, 2
        "FF 00 FF 00 FF FF FF FF FF FF FF FF";             // 116: ColorOptions 4, 5, 6, 7
    ASSERT_EQ(Hex(expected).size(), 128u);
    EXPECT_EQ(Bytes(BuildConfigurationReport(*DefaultRecord())), Hex(expected));
}

TEST(LightingFor_EveryRow, GivesBytes71To73) {
    struct Row {
        const char* what;
        void (*set)(ProfileRecord&);
        LightingBytes expected;
    };
    const Row rows[] = {
        // Single colour, steady kind (DanSeType 1): by intensity.
        {"steady, intensity 4 is off", [](ProfileRecord& r) { r.LightType = 0; r.DanSeType = 1; r.DanSeIntensity = 4; }, {0, 0, 0}},
        {"steady, intensity 1", [](ProfileRecord& r) { r.LightType = 0; r.DanSeType = 1; r.DanSeIntensity = 1; }, {1, 5, 0x80}},
        {"steady, intensity 2", [](ProfileRecord& r) { r.LightType = 0; r.DanSeType = 1; r.DanSeIntensity = 2; }, {1, 15, 0x80}},
        {"steady, intensity 3", [](ProfileRecord& r) { r.LightType = 0; r.DanSeType = 1; r.DanSeIntensity = 3; }, {1, 37, 0x80}},
        // Single colour, breathing kind: by speed, else custom.
        {"breathing, speed 1", [](ProfileRecord& r) { r.LightType = 0; r.DanSeType = 2; r.DanSeSpeed = 1; }, {2, 50, 0x80}},
        {"breathing, speed 2", [](ProfileRecord& r) { r.LightType = 0; r.DanSeType = 2; r.DanSeSpeed = 2; }, {2, 25, 0x80}},
        {"breathing, speed 3", [](ProfileRecord& r) { r.LightType = 0; r.DanSeType = 0; r.DanSeSpeed = 3; }, {2, 15, 0x80}},
        {"breathing, custom 7", [](ProfileRecord& r) { r.LightType = 0; r.DanSeType = 2; r.DanSeSpeed = 4; r.DanSeSpecielSpeed = 7; }, {2, 27, 0x80}},
        // Neon.
        {"neon, intensity 1 is off", [](ProfileRecord& r) { r.LightType = 1; r.NeonIntensity = 1; r.NeonSpeed = 1; }, {0, 0, 0}},
        {"neon, speed 1", [](ProfileRecord& r) { r.LightType = 1; r.NeonSpeed = 1; }, {3, 37, 0}},
        {"neon, speed 2", [](ProfileRecord& r) { r.LightType = 1; r.NeonSpeed = 2; }, {3, 25, 0}},
        {"neon, speed 3", [](ProfileRecord& r) { r.LightType = 1; r.NeonSpeed = 3; }, {3, 15, 0}},
        {"neon, custom 20", [](ProfileRecord& r) { r.LightType = 1; r.NeonSpeed = 0; r.NeonSpecielSpeed = 20; }, {4, 53, 0}},
        // Colour cycle; LightSwitch 1 turns it off.
        {"cycle, switch 1 is off", [](ProfileRecord& r) { r.LightType = 2; r.LightSwitch = 1; }, {0, 0, 0}},
        {"cycle, speed 1, direction 1", [](ProfileRecord& r) { r.LightType = 2; r.XuanCaiSpeed = 1; r.XuanCaiDirection = 1; }, {4, 37, 1}},
        {"cycle, speed 2", [](ProfileRecord& r) { r.LightType = 2; r.XuanCaiSpeed = 2; }, {4, 25, 0}},
        {"cycle, speed 3, direction 0x102", [](ProfileRecord& r) { r.LightType = 2; r.XuanCaiSpeed = 3; r.XuanCaiDirection = 0x102; }, {4, 15, 2}},
        {"cycle, custom 0", [](ProfileRecord& r) { r.LightType = 2; r.XuanCaiSpeed = 5; r.XuanCaiSpecielSpeed = 0; }, {4, 13, 0}},
        // Seven colours.
        {"seven, intensity 1 is off", [](ProfileRecord& r) { r.LightType = 3; r.QiSeIntensity = 1; }, {0, 0, 0}},
        {"seven, speed 1", [](ProfileRecord& r) { r.LightType = 3; r.QiSeSpeed = 1; }, {2, 37, 0}},
        {"seven, speed 2", [](ProfileRecord& r) { r.LightType = 3; r.QiSeSpeed = 2; }, {2, 25, 0}},
        {"seven, speed 3", [](ProfileRecord& r) { r.LightType = 3; r.QiSeSpeed = 3; }, {2, 15, 0}},
        // Custom rate keeps the low 8 bits: 200 x 2 + 13 = 413 = 0x19D.
        {"seven, custom 200", [](ProfileRecord& r) { r.LightType = 3; r.QiSeSpeed = 9; r.QiSeSpecielSpeed = 200; }, {2, 0x9D, 0}},
        // Any other effect kind.
        {"type 4", [](ProfileRecord& r) { r.LightType = 4; }, {2, 1, 2}},
        {"type -1 (missing key)", [](ProfileRecord& r) { r.LightType = -1; }, {2, 1, 2}},
    };
    for (const Row& row : rows) {
        ProfileRecord record = *DefaultRecord();
        row.set(record);
        const LightingBytes actual = LightingFor(record);
        EXPECT_EQ(actual, row.expected) << row.what << ": got " << int(actual.Mode) << " " << int(actual.Rate)
                                        << " " << int(actual.Option);
        const ReportData report = BuildConfigurationReport(record);
        EXPECT_EQ(report[71], row.expected.Mode) << row.what;
        EXPECT_EQ(report[72], row.expected.Rate) << row.what;
        EXPECT_EQ(report[73], row.expected.Option) << row.what;
    }
}

TEST(BuildConfigurationReport_OutOfRangeValues, StayInsideTablesAndFields) {
    ProfileRecord record = *DefaultRecord();
    record.CpiLevel_X[0] = 0;
    record.CpiLevel_X[1] = 13;
    record.CpiLevel_X[4] = -1;
    record.ColorOptions[0] = 8;
    record.ColorOptions[7] = -1;
    record.Sensitivity_X = 26;           // 260 -> low 8 bits 4
    record.Sensitivity_Y = 0x7FFFFFFF;   // must not overflow
    const ReportData report = BuildConfigurationReport(record);
    // The levels out of range (0, 13, -1) fall back to code 2; the default 8 and
    // 10 between them keep theirs, in both copies.
    EXPECT_EQ(std::vector<uint8_t>(report.begin() + 84, report.begin() + 89), Hex("02 02 08 16 02"));
    EXPECT_EQ(std::vector<uint8_t>(report.begin() + 92, report.begin() + 97), Hex("02 02 08 16 02"));
    EXPECT_EQ(Bytes(std::vector<uint8_t>(report.begin() + 104, report.begin() + 107)), Hex("FF 00 00"));
    EXPECT_EQ(Bytes(std::vector<uint8_t>(report.begin() + 125, report.end())), Hex("FF 00 00"));
    EXPECT_EQ(report[74], 4);
    EXPECT_EQ(report[75], static_cast<uint8_t>(0x7FFFFFFFu * 10u));
}

TEST(BuildConfigurationReport_OtherFields, NeverEnterTheReport) {
    // Fields outside the report's sources (vertical levels, DPI colours,
    // names, buttons) change nothing.
    ProfileRecord record = *DefaultRecord();
    const ReportData before = BuildConfigurationReport(record);
    for (int level = 0; level < kLevelCount; ++level) {
        record.CpiLevel_Y[level] = 1;
        record.DPIColor[level] = 0x123456;
    }
    record.PollingRate = 0;
    record.CpiStep = 3;
    record.MacroKeyInfo[0].FunctionCode = 16;
    CopyText(record.ProFileName, "Other");
    EXPECT_EQ(Bytes(BuildConfigurationReport(record)), Bytes(before));
}
