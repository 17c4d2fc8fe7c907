#include "profile/MemoryRegistry.h"
#include "profile/PointerSettings.h"
#include "profile/SettingsBlock.h"
#include "ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string MouseValue(const MemoryRegistry& registry, const char* name, const char* key = kMouseKeyPath) {
    std::string text = "<missing>";
    registry.GetText(key, name, text);
    return text;
}

void PlantAcceleration(MemoryRegistry& registry, const char* speed, const char* threshold1, const char* threshold2) {
    registry.SetText(kMouseKeyPath, kMouseSpeedValue, speed);
    registry.SetText(kMouseKeyPath, kMouseThreshold1Value, threshold1);
    registry.SetText(kMouseKeyPath, kMouseThreshold2Value, threshold2);
}

TEST(AccelerationTable_Rows, FollowTheirPattern) {
    EXPECT_EQ(kAccelerationTable[0].Speed, 0);
    EXPECT_EQ(kAccelerationTable[0].Threshold1, 0);
    EXPECT_EQ(kAccelerationTable[0].Threshold2, 0);
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(kAccelerationTable[row].Speed, 1) << row;
        EXPECT_EQ(kAccelerationTable[row].Threshold1, 14 - row) << row;
        EXPECT_EQ(kAccelerationTable[row].Threshold2, 0) << row;
    }
    for (int row = 11; row <= 19; ++row) {
        EXPECT_EQ(kAccelerationTable[row].Speed, 2) << row;
        EXPECT_EQ(kAccelerationTable[row].Threshold1, 4) << row;
        EXPECT_EQ(kAccelerationTable[row].Threshold2, 24 - row) << row;
    }
}

TEST(WritePointerSettings_Values, WritesEveryValueAsDecimalText) {
    struct Case {
        int32_t accelerationFlag, acceleration, scrollWheelFlag, scrollWheelSpeed;
        const char *speed, *threshold1, *threshold2, *wheelLines;
    };
    const Case cases[] = {
        {0, 15, 0, 3, "0", "0", "0", "3"},      // acceleration off writes row 0 whatever the row
        {1, 25, 0, 3, "2", "4", "5", "3"},      // beyond the table: the last row
        {1, 20, 0, 3, "2", "4", "5", "3"},      // first value beyond the table
        {1, 19, 0, 3, "2", "4", "5", "3"},      // last row itself
        {1, 1, 0, 3, "1", "13", "0", "3"},      // first accelerated row
        {1, 10, 0, 3, "1", "4", "0", "3"},      // last speed-1 row
        {1, 11, 0, 3, "2", "4", "13", "3"},     // first speed-2 row
        {1, -3, 0, 3, "0", "0", "0", "3"},      // negative row: off
        {1, 8, 1, 7, "1", "6", "0", "-1"},      // one screen per notch
        {1, 8, 2, 7, "1", "6", "0", "7"},       // only 1 counts as one screen
        {1, 8, 0, 0, "1", "6", "0", "0"},       // zero lines
    };
    for (const Case& c : cases) {
        auto record = DefaultRecord();
        record->AccelerationFlag = c.accelerationFlag;
        record->Acceleration = c.acceleration;
        record->ScrollWheelFlag = c.scrollWheelFlag;
        record->ScrollWheelSpeed = c.scrollWheelSpeed;
        record->DbleClickSpeed = 431;
        record->Orientation = 1;
        record->MouseSpeed = 17;
        MemoryRegistry registry;
        EXPECT_EQ(WritePointerSettings(*record, registry), 1);
        std::string label = "flag " + std::to_string(c.accelerationFlag) + " row " + std::to_string(c.acceleration);
        EXPECT_EQ(MouseValue(registry, kMouseSpeedValue), c.speed) << label;
        EXPECT_EQ(MouseValue(registry, kMouseThreshold1Value), c.threshold1) << label;
        EXPECT_EQ(MouseValue(registry, kMouseThreshold2Value), c.threshold2) << label;
        EXPECT_EQ(MouseValue(registry, kWheelScrollLinesValue, kDesktopKeyPath), c.wheelLines) << label;
        EXPECT_EQ(MouseValue(registry, kDoubleClickSpeedValue), "431");
        EXPECT_EQ(MouseValue(registry, kSwapMouseButtonsValue), "1");
        EXPECT_EQ(MouseValue(registry, kMouseSensitivityValue), "17");
    }
}

TEST(WritePointerSettings_Order, MouseKeyInListOrderThenDesktop) {
    auto record = DefaultRecord();
    MemoryRegistry registry;
    WritePointerSettings(*record, registry);
    const std::vector<std::string> expected = {
        std::string("open ") + kMouseKeyPath,   "write DoubleClickSpeed=550", "write SwapMouseButtons=0",
        "write MouseSensitivity=10",            "write MouseSpeed=0",         "write MouseThreshold1=0",
        "write MouseThreshold2=0",              std::string("open ") + kDesktopKeyPath,
        "write WheelScrollLines=3",
    };
    EXPECT_EQ(registry.Log(), expected);
}

TEST(WritePointerSettings_KeyRefused, ReturnsMinusOne) {
    auto record = DefaultRecord();
    MemoryRegistry mouseRefused;
    mouseRefused.RefuseKey(kMouseKeyPath);
    EXPECT_EQ(WritePointerSettings(*record, mouseRefused), -1);
    std::string text;
    EXPECT_FALSE(mouseRefused.GetText(kDesktopKeyPath, kWheelScrollLinesValue, text));

    MemoryRegistry desktopRefused;
    desktopRefused.RefuseKey(kDesktopKeyPath);
    EXPECT_EQ(WritePointerSettings(*record, desktopRefused), -1);
    EXPECT_EQ(MouseValue(desktopRefused, kDoubleClickSpeedValue), "550");
}

TEST(ReadPointerSettings_Acceleration, LastMatchingRowWins) {
    struct Case {
        const char *speed, *threshold1, *threshold2;
        int32_t startRow;
        int32_t acceleration, accelerationFlag;
    };
    const Case cases[] = {
        {"1", "6", "0", 3, 8, 1},       // rows 1..8 match, 8 is the last
        {"0", "0", "0", 10, 0, 0},      // row 0 only
        {"2", "4", "5", 10, 19, 1},     // only the last row
        {"2", "4", "13", 3, 11, 1},     // rows 11 only (threshold 2 of 13)
        {"2", "0", "0", 3, 19, 1},      // every speed-2 row matches
        {"1", "13", "0", 0, 1, 1},      // exactly row 1
        {"1", "14", "0", 7, 7, 1},      // no row: the record keeps its row
        {"1", "14", "0", 0, 0, 0},      // no row, record row 0: flag follows the row
        {"3", "0", "0", 12, 12, 1},     // unknown speed: keeps its row
        {" 1", "6abc", "+0", 3, 8, 1},  // read like atoi: blanks, trailing text, sign
    };
    for (const Case& c : cases) {
        auto record = DefaultRecord();
        record->Acceleration = c.startRow;
        record->AccelerationFlag = 0;
        MemoryRegistry registry;
        PlantAcceleration(registry, c.speed, c.threshold1, c.threshold2);
        registry.SetText(kDesktopKeyPath, kWheelScrollLinesValue, "3");
        EXPECT_EQ(ReadPointerSettings(*record, registry), 1);
        std::string label = std::string(c.speed) + "," + c.threshold1 + "," + c.threshold2;
        EXPECT_EQ(record->Acceleration, c.acceleration) << label;
        EXPECT_EQ(record->AccelerationFlag, c.accelerationFlag) << label;
    }
}

TEST(ReadPointerSettings_Values, FillThePointerFields) {
    auto record = DefaultRecord();
    MemoryRegistry registry;
    registry.SetText(kMouseKeyPath, kDoubleClickSpeedValue, "700");
    registry.SetText(kMouseKeyPath, kSwapMouseButtonsValue, "1");
    registry.SetText(kMouseKeyPath, kMouseSensitivityValue, "15");
    PlantAcceleration(registry, "1", "6", "0");
    registry.SetText(kDesktopKeyPath, kWheelScrollLinesValue, "-1");
    EXPECT_EQ(ReadPointerSettings(*record, registry), 1);
    EXPECT_EQ(PointerFieldsOf(*record), (PointerFields{700, 1, 15, 8, 1, 0, 1}));  // -1 lines: one screen

    registry.SetText(kDesktopKeyPath, kWheelScrollLinesValue, "5");
    EXPECT_EQ(ReadPointerSettings(*record, registry), 1);
    EXPECT_EQ(PointerFieldsOf(*record), (PointerFields{700, 1, 15, 8, 1, 5, 0}));
}

TEST(ReadPointerSettings_MissingOrDamaged, LeavesFieldsUnchanged) {
    auto record = DefaultRecord();
    record->Acceleration = 6;
    record->AccelerationFlag = 1;
    record->ScrollWheelFlag = 1;
    record->ScrollWheelSpeed = 0;
    MemoryRegistry registry;
    registry.SetText(kMouseKeyPath, kDoubleClickSpeedValue, "fast");  // not a number
    registry.SetText(kMouseKeyPath, kSwapMouseButtonsValue, "");      // empty
    // MouseSensitivity missing; acceleration incomplete (threshold 2 missing)
    registry.SetText(kMouseKeyPath, kMouseSpeedValue, "0");
    registry.SetText(kMouseKeyPath, kMouseThreshold1Value, "0");
    registry.SetText(kDesktopKeyPath, kWheelScrollLinesValue, "-");
    EXPECT_EQ(ReadPointerSettings(*record, registry), 1);
    EXPECT_EQ(PointerFieldsOf(*record), (PointerFields{550, 0, 10, 6, 1, 0, 1}));
}

TEST(ReadPointerSettings_LongValue, IsCutNotOverflowed) {
    auto record = DefaultRecord();
    MemoryRegistry registry;
    // 300 digits: the 80-byte buffer takes the first 79, saturated to int32.
    registry.SetText(kMouseKeyPath, kDoubleClickSpeedValue, std::string(300, '9'));
    registry.SetText(kMouseKeyPath, kMouseSensitivityValue, "-" + std::string(100, '9'));
    EXPECT_EQ(ReadPointerSettings(*record, registry), 1);
    EXPECT_EQ(PointerFieldsOf(*record), (PointerFields{INT32_MAX, 0, INT32_MIN, 10, 0, 3, 0}));
}

TEST(ReadPointerSettings_KeyRefused, ReturnsItsResult) {
    auto record = DefaultRecord();
    auto before = DefaultRecord();
    MemoryRegistry mouseRefused;
    mouseRefused.RefuseKey(kMouseKeyPath);
    mouseRefused.SetText(kDesktopKeyPath, kWheelScrollLinesValue, "9");
    EXPECT_EQ(ReadPointerSettings(*record, mouseRefused), 0);
    EXPECT_EQ(memcmp(record.get(), before.get(), sizeof *record), 0);

    MemoryRegistry desktopRefused;
    desktopRefused.RefuseKey(kDesktopKeyPath);
    desktopRefused.SetText(kMouseKeyPath, kDoubleClickSpeedValue, "333");
    EXPECT_EQ(ReadPointerSettings(*record, desktopRefused), -1);
    EXPECT_EQ(PointerFieldsOf(*record), (PointerFields{333, 0, 10, 10, 0, 3, 0}));
}

TEST(PointerSettings_RoundTrip, ReadGivesBackWhatWasWritten) {
    struct Case {
        int32_t accelerationFlag, acceleration, scrollWheelFlag, scrollWheelSpeed;
    };
    // Every row reads back as itself; flag 0 reads back as row 0.
    std::vector<Case> cases;
    for (int row = 1; row < kAccelerationRowCount; ++row) cases.push_back({1, row, 0, row});
    cases.push_back({1, 0, 1, 0});
    for (const Case& c : cases) {
        auto written = DefaultRecord();
        written->AccelerationFlag = c.accelerationFlag;
        written->Acceleration = c.acceleration;
        written->ScrollWheelFlag = c.scrollWheelFlag;
        written->ScrollWheelSpeed = c.scrollWheelSpeed;
        written->DbleClickSpeed = 200 + c.acceleration;
        MemoryRegistry registry;
        WritePointerSettings(*written, registry);
        auto read = DefaultRecord();
        EXPECT_EQ(ReadPointerSettings(*read, registry), 1);
        const int32_t flag = c.acceleration != 0 ? 1 : 0;
        EXPECT_EQ(PointerFieldsOf(*read), (PointerFields{200 + c.acceleration, 0, 10, c.acceleration, flag,
                                                         c.scrollWheelSpeed, c.scrollWheelFlag}));
    }
}

// Records every call as one line of its arguments in order, e.g.
// "spi 4 0 [4 9 2] 2": a pointer to the three SPI_SETMOUSE integers shows them
// in brackets, any other pointer argument its value.
class RecordingPointerSystem : public PointerSystem {
public:
    void SetDoubleClickTime(uint32_t milliseconds) override { m_calls.push_back("doubleclick " + N(milliseconds)); }
    void SetSystemParameter(uint32_t action, uint32_t uiParam, void* pvParam, uint32_t winIni) override {
        const std::string pointer = action == kSpiSetMouse ? Three(pvParam) : N(reinterpret_cast<uintptr_t>(pvParam));
        m_calls.push_back("spi " + N(action) + " " + N(uiParam) + " " + pointer + " " + N(winIni));
    }
    void SendToOwnWindow(uint32_t message, uintptr_t wParam, const void* lParam) override {
        m_calls.push_back("send " + N(message) + " " + N(wParam) + " " + (lParam ? Three(lParam) : N(0)));
    }
    void Broadcast(uint32_t flags, uint32_t recipients, uint32_t message, uintptr_t wParam, const char* text) override {
        m_calls.push_back("broadcast " + N(flags) + " " + N(recipients) + " " + N(message) + " " + N(wParam) + " " +
                          text);
    }

    std::vector<std::string> m_calls;

private:
    static std::string N(uint64_t value) { return std::to_string(value); }
    static std::string Three(const void* pointer) {
        const int* values = static_cast<const int*>(pointer);
        return "[" + std::to_string(values[0]) + " " + std::to_string(values[1]) + " " + std::to_string(values[2]) +
               "]";
    }
};

TEST(ApplyPointerSettings_Order, CallsTheSystemInSequence) {
    auto record = DefaultRecord();
    record->DbleClickSpeed = 480;
    record->MouseSpeed = 14;
    record->AccelerationFlag = 1;
    record->ScrollWheelSpeed = 6;
    MemoryRegistry registry;
    PlantAcceleration(registry, "2", "4", "9");
    RecordingPointerSystem system;
    ApplyPointerSettings(*record, registry, system);

    const std::vector<std::string> expected = {
        "doubleclick 480",
        // SPI_SETMOUSE (4) with t1, t2, s and SPIF_SENDCHANGE (2), then the own
        // window told with WM_SETTINGCHANGE (0x1A).
        "spi 4 0 [4 9 2] 2", "send 26 4 [4 9 2]",
        // SPI_SETMOUSESPEED carries the speed as the pointer argument's value.
        "spi 113 0 14 2", "send 26 113 0",
        // SPI_SETWHEELSCROLLLINES, broadcast with BSF_NOHANG to BSM_APPLICATIONS.
        "spi 105 6 0 2", "broadcast 8 8 26 105 WheelScrollLines",
    };
    EXPECT_EQ(system.m_calls, expected);

    // Acceleration on: the registry values stand.
    EXPECT_EQ(MouseValue(registry, kMouseSpeedValue), "2");
    EXPECT_EQ(record->Acceleration, 10);
}

TEST(ApplyPointerSettings_AccelerationOff, ResetsRegistryAndRecord) {
    auto record = DefaultRecord();
    record->AccelerationFlag = 0;
    record->Acceleration = 8;
    MemoryRegistry registry;
    PlantAcceleration(registry, "1", "6", "0");
    registry.ClearLog();
    RecordingPointerSystem system;
    ApplyPointerSettings(*record, registry, system);

    EXPECT_EQ(record->Acceleration, 0);
    const std::vector<std::string> expectedLog = {
        std::string("open ") + kMouseKeyPath,
        "read MouseSpeed", "read MouseThreshold2", "read MouseThreshold1",
        "write MouseSpeed=0", "write MouseThreshold2=0", "write MouseThreshold1=0",
    };
    EXPECT_EQ(registry.Log(), expectedLog);
    ASSERT_GE(system.m_calls.size(), 2u);
    EXPECT_EQ(system.m_calls[1], "spi 4 0 [0 0 0] 2");
}

TEST(ApplyPointerSettings_Cases, ChooseTheValuesPassed) {
    struct Case {
        int32_t accelerationFlag;
        const char *speed, *threshold1, *threshold2;  // nullptr: value missing
        bool registryReset;
        const char* mouse;  // t1, t2, s handed to the system
        int32_t scrollWheelFlag;
        const char* wheelLines;
    };
    const Case cases[] = {
        {0, "0", "0", "0", false, "[0 0 0]", 0, "3"},                // already off: nothing written
        {2, "1", "6", "0", true, "[0 0 0]", 0, "3"},                 // only 1 counts as on
        {1, nullptr, nullptr, nullptr, false, "[0 0 0]", 0, "3"},    // missing values count as 0
        {1, "1", "6", "0", false, "[6 0 1]", 2, "4294967295"},       // any nonzero wheel flag: one screen (-1)
        {0, "x", "0", "0", false, "[0 0 0]", 1, "4294967295"},       // not a number counts as 0
    };
    for (const Case& c : cases) {
        auto record = DefaultRecord();
        record->AccelerationFlag = c.accelerationFlag;
        record->ScrollWheelFlag = c.scrollWheelFlag;
        MemoryRegistry registry;
        if (c.speed) PlantAcceleration(registry, c.speed, c.threshold1, c.threshold2);
        registry.ClearLog();
        RecordingPointerSystem system;
        ApplyPointerSettings(*record, registry, system);
        bool wrote = false;
        for (const std::string& entry : registry.Log()) wrote = wrote || entry.rfind("write", 0) == 0;
        EXPECT_EQ(wrote, c.registryReset) << c.accelerationFlag;
        ASSERT_EQ(system.m_calls.size(), 7u);
        EXPECT_EQ(system.m_calls[1], std::string("spi 4 0 ") + c.mouse + " 2") << c.accelerationFlag;
        EXPECT_EQ(system.m_calls[5], std::string("spi 105 ") + c.wheelLines + " 0 2") << c.accelerationFlag;
    }
}

TEST(ApplyPointerSettings_MouseKeyRefused, StillAppliesWithZeros) {
    auto record = DefaultRecord();
    record->AccelerationFlag = 1;
    MemoryRegistry registry;
    registry.RefuseKey(kMouseKeyPath);
    RecordingPointerSystem system;
    ApplyPointerSettings(*record, registry, system);
    ASSERT_EQ(system.m_calls.size(), 7u);
    EXPECT_EQ(system.m_calls[1], "spi 4 0 [0 0 0] 2");
}

// A record read from a file that lacks the values holds -1 in them; such
// values never reach the system or the registry, whose own values stand.
TEST(PointerSettings_OutOfRange, NeverReachTheSystemOrTheRegistry) {
    struct Case {
        int32_t doubleClick, speed, orientation;
        bool doubleClickPassed, speedPassed, swapWritten;
    };
    const Case cases[] = {
        {-1, -1, -1, false, false, false},     // all three missing from the file
        {0, 0, 0, false, false, true},         // zero time and speed: below the range
        {1, 1, 1, true, true, true},           // lowest values taken
        {5000, 20, 0, true, true, true},       // highest values taken
        {5001, 21, 2, false, false, false},    // just above
        {550, 10, -1, true, true, false},      // the defaults, a bad swap flag
    };
    for (const Case& c : cases) {
        auto record = DefaultRecord();
        record->DbleClickSpeed = c.doubleClick;
        record->MouseSpeed = c.speed;
        record->Orientation = c.orientation;
        MemoryRegistry registry;
        registry.SetText(kMouseKeyPath, kDoubleClickSpeedValue, "500");
        registry.SetText(kMouseKeyPath, kMouseSensitivityValue, "10");
        registry.SetText(kMouseKeyPath, kSwapMouseButtonsValue, "0");
        EXPECT_EQ(WritePointerSettings(*record, registry), 1);
        EXPECT_EQ(MouseValue(registry, kDoubleClickSpeedValue), c.doubleClickPassed ? std::to_string(c.doubleClick) : "500")
            << c.doubleClick;
        EXPECT_EQ(MouseValue(registry, kMouseSensitivityValue), c.speedPassed ? std::to_string(c.speed) : "10") << c.speed;
        EXPECT_EQ(MouseValue(registry, kSwapMouseButtonsValue), c.swapWritten ? std::to_string(c.orientation) : "0")
            << c.orientation;

        RecordingPointerSystem system;
        ApplyPointerSettings(*record, registry, system);
        bool doubleClickCall = false, speedCall = false;
        for (const std::string& call : system.m_calls) {
            doubleClickCall = doubleClickCall || call.rfind("doubleclick ", 0) == 0;
            speedCall = speedCall || call.rfind("spi 113 ", 0) == 0;
        }
        EXPECT_EQ(doubleClickCall, c.doubleClickPassed) << c.doubleClick;
        EXPECT_EQ(speedCall, c.speedPassed) << c.speed;
    }
}

}  // namespace
