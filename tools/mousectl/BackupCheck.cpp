#include "BackupCheck.h"

#include "option/core/ProfileTransfer.h"
#include "option/macros/MacroList.h"
#include "profile/AppSettings.h"
#include "profile/MemoryIniFiles.h"
#include "profile/OsdSettings.h"
#include "profile/StructuredValue.h"
#include "tools/profiletool/ProfileReview.h"

#include <cstring>
#include <limits>

namespace mousectl {

namespace {

constexpr char kMissing[] = "\x01missing";

struct IntegerSetting {
    const char* key;
    int64_t minimum;
    int64_t maximum;
    const char* meaning;
};

// -1 is what a block that never had a current slot holds (and what Option
// then saves); the programs use it as slot 1.
const IntegerSetting kIntegerSettings[] = {
    {kCurrentProfileKey, -1, kSlotCount - 1, "a slot -1..4"},
    {kMouseTypeKey, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), "a 32-bit number"},
};

std::vector<std::string> ProfileProblems(IniFileSystem& files, const std::string& path) {
    if (!HoldsProfileKeys(files, path)) return {"holds no profile settings"};
    return CheckProfileFile(files, path);
}

// Missing settings are read as their defaults; present ones must be what
// the programs write.
std::vector<std::string> AppSettingsProblems(IniFileSystem& files, const std::string& path) {
    std::vector<std::string> problems;
    std::unique_ptr<IniAccessor> file = files.Open(path);
    for (const IntegerSetting& setting : kIntegerSettings) {
        const std::string text = file->GetString(kAppSettingSection, setting.key, kMissing);
        int64_t value = 0;
        if (text != kMissing && !ParseDecimal(text, setting.minimum, setting.maximum, value))
            problems.push_back(std::string(setting.key) + ": '" + text + "' is not " + setting.meaning);
    }
    const std::string display = file->GetString(kOsdSettingSection, kOsdSettingKey, kMissing);
    OsdSettings settings;
    if (display != kMissing && !DecodeStructuredValue(display, &settings, sizeof settings))
        problems.push_back(std::string(kOsdSettingSection) + " " + kOsdSettingKey +
                           ": damaged value (length or checksum)");
    return problems;
}

// What the macro list needs to load every record the file counts: the count,
// and each record readable, with a terminated name and at most 40 events.
std::vector<std::string> MacroFileProblems(IniFileSystem& files, const std::string& path) {
    std::unique_ptr<IniAccessor> file = files.Open(path);
    const std::string countText = file->GetString(kMacroSection, kMacroCountKey, kMissing);
    int64_t count = 0;
    if (countText == kMissing) return {std::string(kMacroCountKey) + ": missing"};
    if (!ParseDecimal(countText, 0, kMaxMacroCount, count))
        return {std::string(kMacroCountKey) + ": '" + countText + "' is not a macro count 0.." +
                std::to_string(kMaxMacroCount)};
    std::vector<std::string> problems;
    for (int64_t index = 0; index < count; ++index) {
        const std::string key = std::to_string(index);
        MacroRecord record{};
        if (!file->GetStruct(kMacroSection, key.c_str(), &record, sizeof record))
            problems.push_back("macro " + key + ": missing or damaged (length or checksum)");
        else if (!memchr(record.Name, 0, sizeof record.Name))
            problems.push_back("macro " + key + ": name not terminated");
        else if (record.EventCount < 0 || record.EventCount > kMacroEventCapacity)
            problems.push_back("macro " + key + " (" + MacroName(record) + "): " + std::to_string(record.EventCount) +
                               " events, at most " + std::to_string(kMacroEventCapacity) + " fit");
    }
    return problems;
}

}  // namespace

std::vector<std::string> CheckBackupParts(const std::vector<BackupPart>& parts) {
    const std::vector<PartFile>& partFiles = BackupPartFiles();
    std::vector<std::string> problems;
    for (size_t index = 0; index < parts.size() && index < partFiles.size(); ++index) {
        const BackupPart& part = parts[index];
        if (!part.present) continue;
        MemoryIniFiles files;
        files.SetText(part.name, part.bytes);
        std::vector<std::string> found;
        switch (partFiles[index].kind) {
            case PartKind::Profile: found = ProfileProblems(files, part.name); break;
            case PartKind::Macros: found = MacroFileProblems(files, part.name); break;
            case PartKind::AppSettings: found = AppSettingsProblems(files, part.name); break;
        }
        for (const std::string& problem : found) problems.push_back(part.name + ": " + problem);
    }
    return problems;
}

}  // namespace mousectl
