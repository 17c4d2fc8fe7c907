#include "ProfileSet.h"

#include "AppSettings.h"
#include "PointerSettings.h"
#include "ProfileFile.h"

namespace {

bool IsSlot(int32_t slot) { return slot >= 0 && slot < kSlotCount; }

}  // namespace

bool LoadProfileSet(SettingsBlock& block, IniFileSystem& files, Registry& registry, const std::string& programFolder) {
    {
        AppSettingsFile settings(files, programFolder);
        block.CurrentSlot = settings.ReadCurrentSlot();
        block.MouseType = settings.ReadMouseType();
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        std::string path = SlotProfilePath(programFolder, slot);
        // A file that holds no key of a profile (empty, binary, foreign) is
        // as good as missing: reading it would give -1 in every field.
        if (files.FileExists(path) && HoldsAnyProfileKey(files, path))
            ReadProfileFile(block.Profiles[slot], files, path);
        else FillDefaults(block.Profiles[slot], slot);
    }
    // The system's own pointer settings override what the file held.
    if (IsSlot(block.CurrentSlot)) ReadPointerSettings(block.Profiles[block.CurrentSlot], registry);
    return true;
}

bool SaveProfileSet(const SettingsBlock& block, IniFileSystem& files, Registry& registry,
                    const std::string& programFolder) {
    if (IsSlot(block.CurrentSlot)) WritePointerSettings(block.Profiles[block.CurrentSlot], registry);
    {
        AppSettingsFile settings(files, programFolder);
        settings.WriteCurrentSlot(block.CurrentSlot);
        settings.WriteMouseType(block.MouseType);
    }
    for (int slot = 0; slot < kSlotCount; ++slot)
        WriteProfileFile(block.Profiles[slot], files, SlotProfilePath(programFolder, slot));
    return true;
}
