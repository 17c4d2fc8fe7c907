#include "option/core/ProfileTransfer.h"

#include <algorithm>
#include <cctype>

#include "option/core/OptionConstants.h"
#include "profile/ProfileFile.h"

namespace {

constexpr int kImportedButtonFlags = 6;  // entries 0..5
constexpr char kMissing[] = "\x01missing";
constexpr char kOtherMissing[] = "\x02missing";

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

bool SameIgnoringCase(const std::string& left, const std::string& right) {
    return left.size() == right.size() &&
           std::equal(left.begin(), left.end(), right.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace

bool HoldsProfileKeys(IniFileSystem& iniFiles, const std::string& path) {
    std::unique_ptr<IniAccessor> file = iniFiles.Open(path);
    if (!file) return false;
    // A key is there when the text read does not depend on the default
    // (whatever the value, even one equal to a default).
    for (const ProfileField& field : ProfileFieldsInReadOrder()) {
        const char* key = field.key.c_str();
        if (file->GetString(kProfileSection, key, kMissing) != kMissing ||
            file->GetString(kProfileSection, key, kOtherMissing) != kOtherMissing)
            return true;
    }
    return false;
}

ImportResult ImportProfile(SettingsBlock& edit, const std::string& chosenPath, const std::string& programFolder,
                           IniFileStore& iniFiles, FileOperations& files) {
    const int slot = EffectiveSlot(edit.CurrentSlot);
    const std::string target = SlotProfilePath(programFolder, slot);
    std::string chosen = Trimmed(chosenPath);
    const bool ownFile = SameIgnoringCase(chosen, target);
    if (ownFile) chosen = target;
    if (!iniFiles.FileExists(chosen)) return ImportResult::Unreadable;
    if (!HoldsProfileKeys(iniFiles, chosen)) return ImportResult::NotAProfile;
    if (!ownFile) {
        // Copied beside the target first: a failed copy keeps the old file.
        const std::string temporary = TemporaryFileFor(target);
        if (!iniFiles.RemoveFile(temporary)) return ImportResult::CopyFailed;
        if (!files.Copy(chosen, temporary) || !iniFiles.MoveOver(temporary, target)) {
            iniFiles.RemoveFile(temporary);
            return ImportResult::CopyFailed;
        }
        files.SetAttributes(target, option::kSlotFileAttributes);
    }
    ReadProfileFile(edit.Profiles[slot], iniFiles, target);
    for (int button = 0; button < kImportedButtonFlags; ++button) edit.ButtonChanged[slot][button] = 1;
    return ImportResult::Imported;
}

bool ExportProfile(const SettingsBlock& edit, const std::string& path, IniFileStore& iniFiles) {
    const ProfileRecord& record = CurrentProfile(edit);
    // A new file in the old one's place: none of the old keys survive.
    return SaveIniFile(iniFiles, path, [&](IniAccessor& file) { return WriteProfileFields(record, file); });
}
