#include "PointerSettings.h"

#include "SettingsBlock.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

const char kMouseKeyPath[] = "HKEY_CURRENT_USER\\Control Panel\\Mouse";
const char kDesktopKeyPath[] = "HKEY_CURRENT_USER\\Control Panel\\Desktop";

const char kDoubleClickSpeedValue[] = "DoubleClickSpeed";
const char kSwapMouseButtonsValue[] = "SwapMouseButtons";
const char kMouseSensitivityValue[] = "MouseSensitivity";
const char kMouseSpeedValue[] = "MouseSpeed";
const char kMouseThreshold1Value[] = "MouseThreshold1";
const char kMouseThreshold2Value[] = "MouseThreshold2";
const char kWheelScrollLinesValue[] = "WheelScrollLines";

// Speed, threshold 1, threshold 2: rows 1..10 lower threshold 1 from 13 to 4,
// rows 11..19 keep it at 4 and lower threshold 2 from 13 to 5.
const AccelerationRow kAccelerationTable[kAccelerationRowCount] = {
    {0, 0, 0},                                                  // row 0: off
    {1, 13, 0}, {1, 12, 0}, {1, 11, 0}, {1, 10, 0}, {1, 9, 0},  // rows 1..5
    {1, 8, 0},  {1, 7, 0},  {1, 6, 0},  {1, 5, 0},  {1, 4, 0},  // rows 6..10
    {2, 4, 13}, {2, 4, 12}, {2, 4, 11}, {2, 4, 10}, {2, 4, 9},  // rows 11..15
    {2, 4, 8},  {2, 4, 7},  {2, 4, 6},  {2, 4, 5},              // rows 16..19
};

namespace {

constexpr size_t kReadBufferSize = 80;
constexpr size_t kApplyBufferSize = 260;
constexpr int32_t kWheelOneScreen = -1;
// What the system itself accepts; a profile file that lacks a value reads it
// as -1, which must never reach the desktop (a double-click time of 49 days
// turns every second click into a double click).
constexpr int32_t kMinDoubleClickMs = 1;
constexpr int32_t kMaxDoubleClickMs = 5000;
constexpr int32_t kMinPointerSpeed = 1;
constexpr int32_t kMaxPointerSpeed = 20;

bool IsDoubleClickTime(int32_t value) { return value >= kMinDoubleClickMs && value <= kMaxDoubleClickMs; }
bool IsPointerSpeed(int32_t value) { return value >= kMinPointerSpeed && value <= kMaxPointerSpeed; }
bool IsSwapFlag(int32_t value) { return value == 0 || value == 1; }

// Decimal text as the C library's atoi reads it (leading blanks, sign,
// digits up to the first other character), but refusing text without digits
// and saturating instead of overflowing.
bool ParseDecimal(const char* text, int32_t& value) {
    while (*text == ' ' || *text == '\t') ++text;
    const char* digits = text;
    if (*digits == '-' || *digits == '+') ++digits;
    if (!std::isdigit(static_cast<unsigned char>(*digits))) return false;
    long long parsed = std::strtoll(text, nullptr, 10);
    if (parsed > INT32_MAX) parsed = INT32_MAX;
    if (parsed < INT32_MIN) parsed = INT32_MIN;
    value = static_cast<int32_t>(parsed);
    return true;
}

bool ReadInteger(RegistryKey& key, const char* valueName, int32_t& value) {
    char buffer[kReadBufferSize];
    return key.ReadText(valueName, buffer, sizeof buffer) && ParseDecimal(buffer, value);
}

// Missing or unreadable values count as 0 when the settings are applied.
int32_t ReadIntegerOrZero(RegistryKey* key, const char* valueName) {
    char buffer[kApplyBufferSize];
    memset(buffer, 0, sizeof buffer);
    int32_t value = 0;
    if (key && key->ReadText(valueName, buffer, sizeof buffer) && ParseDecimal(buffer, value)) return value;
    return 0;
}

void WriteInteger(RegistryKey& key, const char* valueName, int32_t value) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    key.WriteText(valueName, text);
}

// The last row that the registry's acceleration values fit wins; -1 when none.
int MatchAccelerationRow(int32_t speed, int32_t threshold1, int32_t threshold2) {
    int match = -1;
    for (int row = 0; row < kAccelerationRowCount; ++row) {
        const AccelerationRow& candidate = kAccelerationTable[row];
        if (candidate.Speed == speed && candidate.Threshold1 >= threshold1 && candidate.Threshold2 >= threshold2)
            match = row;
    }
    return match;
}

}  // namespace

int AccelerationRowFor(const ProfileRecord& record) {
    if (record.AccelerationFlag == 0 || record.Acceleration < 0) return 0;
    if (record.Acceleration >= kAccelerationRowCount) return kAccelerationRowCount - 1;
    return record.Acceleration;
}

int WritePointerSettings(const ProfileRecord& record, Registry& registry) {
    {
        std::unique_ptr<RegistryKey> mouse = registry.OpenKey(kMouseKeyPath);
        if (!mouse) return -1;
        // A value the system would not take leaves the stored one alone.
        if (IsDoubleClickTime(record.DbleClickSpeed))
            WriteInteger(*mouse, kDoubleClickSpeedValue, record.DbleClickSpeed);
        if (IsSwapFlag(record.Orientation)) WriteInteger(*mouse, kSwapMouseButtonsValue, record.Orientation);
        if (IsPointerSpeed(record.MouseSpeed)) WriteInteger(*mouse, kMouseSensitivityValue, record.MouseSpeed);
        const AccelerationRow& row = kAccelerationTable[AccelerationRowFor(record)];
        WriteInteger(*mouse, kMouseSpeedValue, row.Speed);
        WriteInteger(*mouse, kMouseThreshold1Value, row.Threshold1);
        WriteInteger(*mouse, kMouseThreshold2Value, row.Threshold2);
    }
    std::unique_ptr<RegistryKey> desktop = registry.OpenKey(kDesktopKeyPath);
    if (!desktop) return -1;
    if (record.ScrollWheelFlag == 1) WriteInteger(*desktop, kWheelScrollLinesValue, kWheelOneScreen);
    else WriteInteger(*desktop, kWheelScrollLinesValue, record.ScrollWheelSpeed);
    return 1;
}

int ReadPointerSettings(ProfileRecord& record, Registry& registry) {
    {
        std::unique_ptr<RegistryKey> mouse = registry.OpenKey(kMouseKeyPath);
        if (!mouse) return 0;
        ReadInteger(*mouse, kDoubleClickSpeedValue, record.DbleClickSpeed);
        ReadInteger(*mouse, kSwapMouseButtonsValue, record.Orientation);
        ReadInteger(*mouse, kMouseSensitivityValue, record.MouseSpeed);
        int32_t speed = 0, threshold1 = 0, threshold2 = 0;
        bool haveSpeed = ReadInteger(*mouse, kMouseSpeedValue, speed);
        bool haveThreshold1 = ReadInteger(*mouse, kMouseThreshold1Value, threshold1);
        bool haveThreshold2 = ReadInteger(*mouse, kMouseThreshold2Value, threshold2);
        // Without all three numbers the acceleration in the registry is
        // unknown; the profile keeps its own.
        if (haveSpeed && haveThreshold1 && haveThreshold2) {
            int row = MatchAccelerationRow(speed, threshold1, threshold2);
            if (row >= 0) record.Acceleration = row;
            record.AccelerationFlag = record.Acceleration != 0 ? 1 : 0;
        }
    }
    std::unique_ptr<RegistryKey> desktop = registry.OpenKey(kDesktopKeyPath);
    if (!desktop) return -1;
    int32_t lines = 0;
    if (ReadInteger(*desktop, kWheelScrollLinesValue, lines)) {
        if (lines == kWheelOneScreen) {
            record.ScrollWheelSpeed = 0;
            record.ScrollWheelFlag = 1;
        } else {
            record.ScrollWheelSpeed = lines;
            record.ScrollWheelFlag = 0;
        }
    }
    return 1;
}

void ApplyPointerSettings(ProfileRecord& record, Registry& registry, PointerSystem& system) {
    if (IsDoubleClickTime(record.DbleClickSpeed)) system.SetDoubleClickTime(static_cast<uint32_t>(record.DbleClickSpeed));

    // SPI_SETMOUSE takes threshold 1, threshold 2, speed in this order.
    int mouse[3] = {0, 0, 0};
    {
        std::unique_ptr<RegistryKey> key = registry.OpenKey(kMouseKeyPath);
        int32_t speed = ReadIntegerOrZero(key.get(), kMouseSpeedValue);
        int32_t threshold2 = ReadIntegerOrZero(key.get(), kMouseThreshold2Value);
        int32_t threshold1 = ReadIntegerOrZero(key.get(), kMouseThreshold1Value);
        if (!IsFlagSet(record.AccelerationFlag) && (speed != 0 || threshold1 != 0 || threshold2 != 0)) {
            record.Acceleration = 0;
            speed = threshold1 = threshold2 = 0;
            if (key) {
                key->WriteText(kMouseSpeedValue, "0");
                key->WriteText(kMouseThreshold2Value, "0");
                key->WriteText(kMouseThreshold1Value, "0");
            }
        }
        mouse[0] = threshold1;
        mouse[1] = threshold2;
        mouse[2] = speed;
    }
    system.SetSystemParameter(kSpiSetMouse, 0, mouse, kSpifSendChange);
    system.SendToOwnWindow(kWmSettingChange, kSpiSetMouse, mouse);

    if (IsPointerSpeed(record.MouseSpeed)) {
        void* speedArgument = reinterpret_cast<void*>(static_cast<intptr_t>(record.MouseSpeed));
        system.SetSystemParameter(kSpiSetMouseSpeed, 0, speedArgument, kSpifSendChange);
        system.SendToOwnWindow(kWmSettingChange, kSpiSetMouseSpeed, nullptr);
    }

    int32_t lines = record.ScrollWheelFlag != 0 ? kWheelOneScreen : record.ScrollWheelSpeed;
    system.SetSystemParameter(kSpiSetWheelScrollLines, static_cast<uint32_t>(lines), nullptr, kSpifSendChange);
    system.Broadcast(kBsfNoHang, kBsmApplications, kWmSettingChange, kSpiSetWheelScrollLines, kWheelScrollLinesValue);
}
