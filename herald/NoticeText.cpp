#include "NoticeText.h"

#include "HeraldConstants.h"
#include "profile/AppSettings.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileRecord.h"

#include <memory>

namespace herald {

namespace {

// Slots are shown to the user counted from 1.
std::string ProfileText(int slot, IniFileSystem& files, const std::string& programFolder) {
    if (slot < 0 || slot >= kSlotCount) return "";
    const std::string path = SlotProfilePath(programFolder, slot);
    auto record = std::make_unique<ProfileRecord>();
    // Monitor runs a slot without a file on the default profile, so show its name.
    FillDefaults(*record, slot);
    if (files.FileExists(path)) ReadProfileFile(*record, files, path);
    const std::string name = record->ProFileName;
    std::string text = "Profile " + std::to_string(slot + 1);
    if (!name.empty()) text += ": " + name;
    return text;
}

std::string MessageText(IniFileSystem& files, const std::string& programFolder) {
    std::string text = files.Open(AppSettingsPath(programFolder))->GetString(kOsdDataSection, kOsdMessageKey, "");
    if (text.size() > kMessageLimit) text.resize(kMessageLimit);
    return text;
}

std::string MacroText(IniFileSystem& files, const std::string& programFolder) {
    const std::string name = files.Open(AppSettingsPath(programFolder))->GetString(kMacroOsdSection, kMacroNameKey, "");
    return name.empty() ? "Macro" : "Macro: " + name;
}

}  // namespace

std::string BuildNoticeText(uint32_t kind, intptr_t data, IniFileSystem& files, const std::string& programFolder) {
    switch (kind) {
    case kNoticeProfile:
        return ProfileText(static_cast<int>((static_cast<uintptr_t>(data) >> 16) & 0xFFFF), files, programFolder);
    case kNoticeText:
        return MessageText(files, programFolder);
    case kNoticeMacro:
        return MacroText(files, programFolder);
    default:
        return "";
    }
}

}  // namespace herald
