#include "ProfileReview.h"

#include "profile/FunctionCodes.h"
#include "profile/ProfileFile.h"
#include "profile/StructuredValue.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct ValueRange {
    const char* key;  // a key, or a prefix followed by %d for arrays
    int count;        // 0 for a single key
    int32_t minimum;
    int32_t maximum;
};

// The values the pages and the mouse can take; anything else was not written
// by the configuration program.
const ValueRange kRanges[] = {
    {"DbleClickSpeed", 0, 200, 900},
    {"ScrollWheelSpeed", 0, 0, 10},  // 0 with ScrollWheelFlag 1 (one screen per notch)
    {"ScrollWheelFlag", 0, 0, 1},
    {"MouseSpeed", 0, 1, 20},
    {"Acceleration", 0, 0, 19},
    {"AccelerationFlag", 0, 0, 1},
    {"TiltSpeed", 0, 1, 10},
    {"MediaOption", 0, 0, 3},
    {"Orientation", 0, 0, 1},
    {"XYSynchronous", 0, 0, 1},
    {"Sensitivity_X", 0, 0, 20},
    {"Sensitivity_Y", 0, 0, 20},
    {"XYCpiFlag", 0, 0, 1},
    {"CpiLevel_X%d", kLevelCount, 1, 12},
    {"CpiLevel_Y%d", kLevelCount, 1, 12},
    {"CpiStep", 0, 0, 4},
    {"dpiStepFlag%d", kLevelCount, 0, 1},
    {"PollingRate", 0, 0, 3},
    {"LightSwitch", 0, 0, 1},
    {"LightType", 0, 0, 3},
    {"ColorOptions%d", 8, 0, 7},
    {"DanSeType", 0, 1, 2},
    {"DanSeSpeed", 0, 1, 4},
    {"DanSeIntensity", 0, 1, 4},
    {"DanSeSpecielSpeed", 0, 1, 12},
    {"NeonSpeed", 0, 1, 4},
    {"NeonSpecielSpeed", 0, 1, 12},
    {"NeonIntensity", 0, 0, 1},
    {"XuanCaiSpeed", 0, 1, 4},
    {"XuanCaiSpecielSpeed", 0, 1, 12},
    {"XuanCaiDirection", 0, 0, 1},
    {"QiSeSpeed", 0, 1, 4},
    {"QiSeSpecielSpeed", 0, 1, 12},
    {"QiSeType", 0, 0, 1},
    {"QiSeIntensity", 0, 0, 1},
};

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char text[1024];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

std::string TextField(const char* field, size_t size) { return std::string(field, strnlen(field, size)); }

std::string DescribeEntry(const ButtonAssignmentEntry& entry) {
    const char* description = FunctionCodeDescription(entry.FunctionCode);
    std::string text = Format("code %d (%s)", entry.FunctionCode, description ? description : "unknown code");
    switch (entry.FunctionCode) {
    case kFunctionKeyCombination:
        text += Format(": key code %d, modifier bits 0x%02X", entry.Data[0], entry.Data[1]);
        break;
    case kFunctionMacro: {
        text += Format(": \"%s\", repeat %d, option %d, %d events", TextField(entry.Name, sizeof entry.Name).c_str(),
                       entry.RepeatCount, entry.MacroOption, entry.ItemCount);
        int shown = entry.ItemCount < kMacroEventCapacity ? entry.ItemCount : kMacroEventCapacity;
        for (int i = 0; i < shown; ++i) {
            const uint8_t* event = entry.Data + 4 * i;
            int delay = event[2] | event[3] << 8;
            text += Format("%s key %d %s %d ms", i ? "," : ":", event[0],
                           event[1] == 1 ? "down" : event[1] == 2 ? "up" : "?", delay);
        }
        break;
    }
    case kFunctionLaunchProgram:
        text += ": \"" + TextField(entry.ProgramPath, sizeof entry.ProgramPath) + "\"";
        break;
    default:
        break;
    }
    return text;
}

}  // namespace

std::string DescribeProfile(const ProfileRecord& record) {
    std::string text;
    const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
    for (const ProfileField& field : ProfileFieldsInWriteOrder()) {
        const uint8_t* at = bytes + field.offset;
        switch (field.kind) {
        case FieldKind::Text:
            text += field.key + " = \"" + TextField(reinterpret_cast<const char*>(at), field.size) + "\"\n";
            break;
        case FieldKind::Integer: {
            int32_t value;
            memcpy(&value, at, sizeof value);
            // Colours read better in hexadecimal (0x00BBGGRR).
            bool colour = field.key.rfind("DPIColor", 0) == 0 || field.key.rfind("ClQiSeColor", 0) == 0;
            text += field.key + (colour ? Format(" = 0x%06X\n", value) : Format(" = %d\n", value));
            break;
        }
        case FieldKind::Byte:
            // ColorOptions1 and 2 name byte fields and array elements alike.
            if (field.key == "ColorOptions1" || field.key == "ColorOptions2")
                text += field.key + Format(" (byte field) = %d\n", *at);
            else
                text += field.key + Format(" = %d\n", *at);
            break;
        case FieldKind::Entry:
            break;
        }
    }
    for (int b = 0; b < kButtonCount; ++b)
        text += Format("Button %2d: ", b) + DescribeEntry(record.MacroKeyInfo[b]) + "\n";
    return text;
}

std::vector<std::string> CheckProfileFile(IniFileSystem& files, const std::string& path) {
    std::vector<std::string> problems;
    if (!files.FileExists(path)) {
        problems.push_back("cannot open " + path);
        return problems;
    }
    auto ini = files.Open(path);
    const char* section = kProfileSection;

    const char kMissing[] = "\x01missing";
    for (const ProfileField& field : ProfileFieldsInWriteOrder()) {
        std::string raw = ini->GetString(section, field.key.c_str(), kMissing);
        if (raw == kMissing) {
            problems.push_back(field.key + ": missing");
            continue;
        }
        if (field.kind == FieldKind::Text && raw.size() > field.size - 1)
            problems.push_back(field.key + Format(": text of %d characters, at most %d are kept",
                                                  static_cast<int>(raw.size()), static_cast<int>(field.size - 1)));
        if (field.kind == FieldKind::Entry) {
            ButtonAssignmentEntry entry;
            if (!DecodeStructuredValue(raw, &entry, sizeof entry)) {
                problems.push_back(field.key + ": damaged value (length or checksum)");
                continue;
            }
            int n = std::stoi(field.key.substr(strlen("MacroKeyInfo")));
            if (entry.ButtonIndex != n) problems.push_back(field.key + Format(": names button %d", entry.ButtonIndex));
            if (!FunctionCodeDescription(entry.FunctionCode))
                problems.push_back(field.key + Format(": unknown function code %d", entry.FunctionCode));
            if (entry.FunctionCode == kFunctionMacro && entry.ItemCount > kMacroEventCapacity)
                problems.push_back(field.key + Format(": %d macro events, at most 40 fit", entry.ItemCount));
            if (!memchr(entry.Name, 0, sizeof entry.Name)) problems.push_back(field.key + ": macro name not terminated");
            if (!memchr(entry.ProgramPath, 0, sizeof entry.ProgramPath))
                problems.push_back(field.key + ": program path not terminated");
        }
    }

    for (const ValueRange& range : kRanges) {
        int count = range.count ? range.count : 1;
        for (int n = 0; n < count; ++n) {
            char key[48];
            snprintf(key, sizeof key, range.key, n);
            std::string raw = ini->GetString(section, key, kMissing);
            if (raw == kMissing) continue;  // reported above
            int32_t value = ini->GetInt(section, key, 0);
            if (value < range.minimum || value > range.maximum)
                problems.push_back(Format("%s: %d is outside %d..%d", key, value, range.minimum, range.maximum));
        }
    }
    return problems;
}
