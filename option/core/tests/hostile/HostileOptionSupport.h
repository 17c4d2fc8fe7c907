// What the tests of Option with hostile files share: an Apply that is
// waited for without opening the files it replaces.
#pragma once

#include "OptionProgramSupport.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace optiontest {

// What ProfileValue gives for a key that is not there.
constexpr char kNoValue[] = "(none)";

// The file's last write time, or 0 when there is none. Read without opening
// the file: a reader holding it open would make Option's replacement fail.
inline uint64_t WriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

// Apply by a click; true once every slot file but `skipped` has been
// written anew and holds a whole profile.
inline bool ApplyAndWaitForWholeFiles(const OptionFolder& folder, HWND option, int skipped = -1) {
    uint64_t before[kSlotCount];
    for (int slot = 0; slot < kSlotCount; ++slot) before[slot] = WriteTime(SlotFile(folder, slot));
    const bool written = folder.ClickUntil(option, kMainSkin, kApplyKey, [&] {
        for (int slot = 0; slot < kSlotCount; ++slot)
            if (slot != skipped && WriteTime(SlotFile(folder, slot)) == before[slot]) return false;
        return folder.ControlEnabled(option, kMainSkin, kApplyKey);
    });
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (slot != skipped && ProfileValue(SlotFile(folder, slot), "ProFileName", kNoValue) == kNoValue) return false;
    return written;
}

}  // namespace optiontest
