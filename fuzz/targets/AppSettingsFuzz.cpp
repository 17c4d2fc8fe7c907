// The application-settings readers on any config.ini text: the integers as
// their keys say, the on-screen display settings taken only whole and
// undamaged, and the display program's notice texts within their limits.
#include "FuzzCheck.h"
#include "IniText.h"

#include "herald/HeraldConstants.h"
#include "herald/NoticeText.h"
#include "profile/AppSettings.h"
#include "profile/MemoryIniFiles.h"
#include "profile/ProfileFile.h"
#include "profile/StructuredValue.h"

#include <cstring>

namespace {

constexpr char kFolder[] = "C:\\Program\\";
constexpr size_t kGetStringLimit = 2047;
constexpr size_t kProfileNameLimit = sizeof(ProfileRecord::ProFileName) - 1;
constexpr uint32_t kNoticeKinds[] = {herald::kNoticeProfile, herald::kNoticeText, herald::kNoticeMacro, 0, 0xFFFFFFFF};

int32_t ExpectedInt(const MemoryIniFiles& files, const char* section, const char* key, int32_t missing) {
    std::string value;
    if (!files.GetValue(AppSettingsPath(kFolder), section, key, value) || value.empty()) return missing;
    return ParseProfileInt(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const uint32_t kind = input.PickValueInArray(kNoticeKinds);
    const intptr_t noticeData = input.ConsumeIntegral<intptr_t>();
    const bool withSlotFile = input.ConsumeBool();
    MemoryIniFiles files;
    ReadIniText(input.ConsumeRemainingBytesAsString(),
                [&](const std::string& section, const std::string& key, const std::string& value) {
                    files.SetValue(AppSettingsPath(kFolder), section, key, value);
                    // The same text as a slot file, for the profile notices.
                    if (withSlotFile) files.SetValue(SlotProfilePath(kFolder, 0), section, key, value);
                });

    AppSettingsFile settings(files, kFolder);
    FUZZ_CHECK(settings.ReadCurrentSlot() ==
               ExpectedInt(files, kAppSettingSection, kCurrentProfileKey, kMissingCurrentProfile));
    FUZZ_CHECK(settings.ReadMouseType() == ExpectedInt(files, kAppSettingSection, kMouseTypeKey, kMissingMouseType));
    FUZZ_CHECK(settings.ReadFirmwareVersion() ==
               ExpectedInt(files, kAppSettingSection, kFirmwareVersionKey, kMissingFirmwareVersion));

    // The display settings: taken whole when the value decodes, else untouched.
    OsdSettings before;
    DefaultOsdSettings(before);
    OsdSettings read = before;
    std::string value;
    OsdSettings decoded;
    const bool valid = files.GetValue(AppSettingsPath(kFolder), kOsdSettingSection, kOsdSettingKey, value) &&
                       DecodeStructuredValue(value, &decoded, sizeof decoded);
    FUZZ_CHECK(settings.ReadOsdSettings(read) == valid);
    FUZZ_CHECK(memcmp(&read, valid ? &decoded : &before, sizeof read) == 0);
    // What was read is written and read back the same.
    settings.WriteOsdSettings(read);
    OsdSettings back;
    memset(&back, 0, sizeof back);
    FUZZ_CHECK(settings.ReadOsdSettings(back));
    FUZZ_CHECK(memcmp(&read, &back, sizeof back) == 0);

    // The display program's texts never grow past their sources.
    const std::string text = herald::BuildNoticeText(kind, noticeData, files, kFolder);
    const int slot = static_cast<int>((static_cast<uintptr_t>(noticeData) >> 16) & 0xFFFF);
    if (kind == herald::kNoticeProfile) {
        FUZZ_CHECK(text.empty() == (slot >= kSlotCount));
        if (slot < kSlotCount) FUZZ_CHECK(text.rfind("Profile " + std::to_string(slot + 1), 0) == 0);
        FUZZ_CHECK(text.size() <= strlen("Profile 5: ") + kProfileNameLimit);
    } else if (kind == herald::kNoticeText) {
        FUZZ_CHECK(text.size() <= herald::kMessageLimit);
    } else if (kind == herald::kNoticeMacro) {
        FUZZ_CHECK(text.rfind("Macro", 0) == 0);
        FUZZ_CHECK(text.size() <= strlen("Macro: ") + kGetStringLimit);
    } else {
        FUZZ_CHECK(text.empty());
    }
    return 0;
}
