// The macro file and .macro records on any text: the list holds exactly the
// records that decode, in file order and never more than its limit; saving
// and loading gives the same list; imports get a free name; merging button
// copies and pushing the list back leaves every macro button in step.
#include "FuzzCheck.h"
#include "IniText.h"

#include "option/macros/MacroList.h"
#include "option/macros/MemoryIniFileStore.h"
#include "profile/FunctionCodes.h"
#include "profile/StructuredValue.h"

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr char kFolder[] = "C:\\Program\\";
constexpr char kImportPath[] = "C:\\Users\\me\\macro.macro";
constexpr char kExportPath[] = "C:\\Users\\me\\export.macro";
constexpr size_t kMaxPlantedButtons = 8;
const char* const kButtonNames[] = {"fire", "FIRE ", "reload", "", "a-name-of-twenty-five-ch!"};

void LoadText(MemoryIniFileStore& store, const std::string& path, const std::string& text) {
    ReadIniText(text, [&](const std::string& section, const std::string& key, const std::string& value) {
        store.SetValue(path, section, key, value);
    });
}

bool SameRecords(const MacroList& a, const MacroList& b) {
    if (a.Count() != b.Count()) return false;
    for (size_t i = 0; i < a.Count(); ++i)
        if (memcmp(&a.At(i), &b.At(i), sizeof(MacroRecord)) != 0) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    MemoryIniFileStore store;
    MacroList list(store, kFolder);
    const std::string macroText = input.ConsumeRandomLengthString(size);
    const std::string importText = input.ConsumeRandomLengthString(size);
    LoadText(store, list.FilePath(), macroText);
    LoadText(store, kImportPath, importText);

    // Exactly the records that decode, in file order.
    list.Load();
    FUZZ_CHECK(list.Count() <= kMaxMacroCount);
    {
        auto file = store.Open(list.FilePath());
        const int32_t count = file->GetInt(kMacroSection, kMacroCountKey, -1);
        size_t next = 0;
        for (int32_t i = 0; count > 0 && i < count && static_cast<size_t>(i) < kMaxMacroCount; ++i) {
            MacroRecord record{};
            if (!file->GetStruct(kMacroSection, std::to_string(i).c_str(), &record, sizeof record)) continue;
            FUZZ_CHECK(next < list.Count());
            FUZZ_CHECK(memcmp(&record, &list.At(next), sizeof record) == 0);
            ++next;
        }
        FUZZ_CHECK(next == list.Count());
    }

    // Saved and loaded again: the same list.
    FUZZ_CHECK(list.Save());
    MacroList reloaded(store, kFolder);
    reloaded.Load();
    FUZZ_CHECK(SameRecords(list, reloaded));

    // An import gets a name no other macro has.
    const size_t countBefore = list.Count();
    const int imported = list.Import(kImportPath);
    if (imported >= 0) {
        FUZZ_CHECK(static_cast<size_t>(imported) == countBefore && list.Count() == countBefore + 1);
        FUZZ_CHECK(list.Find(MacroName(list.At(imported))) == imported);
        // Exported and imported again: the same events under a new name.
        FUZZ_CHECK(list.Export(static_cast<size_t>(imported), kExportPath));
        const int again = list.Import(kExportPath);
        FUZZ_CHECK(again == imported + 1);
        FUZZ_CHECK(memcmp(list.At(again).Events, list.At(imported).Events, sizeof(MacroRecord::Events)) == 0);
        FUZZ_CHECK(list.At(again).EventCount == list.At(imported).EventCount);
    } else {
        FUZZ_CHECK(list.Count() == countBefore);
    }

    // Button copies with any counts and events.
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    ResetProfileSet(*block);
    const size_t planted = input.ConsumeIntegralInRange<size_t>(0, kMaxPlantedButtons);
    for (size_t i = 0; i < planted && input.remaining_bytes() > 0; ++i) {
        ButtonAssignmentEntry& entry =
            block->Profiles[input.ConsumeIntegralInRange(0, kSlotCount - 1)]
                .MacroKeyInfo[input.ConsumeIntegralInRange(0, kButtonCount - 1)];
        entry.FunctionCode = kFunctionMacro;
        CopyText(entry.Name, input.PickValueInArray(kButtonNames));
        entry.ItemCount = input.ConsumeIntegral<uint16_t>();
        entry.RepeatCount = input.ConsumeIntegral<int32_t>();
        const std::vector<uint8_t> events = input.ConsumeBytes<uint8_t>(sizeof entry.Data);
        if (!events.empty()) memcpy(entry.Data, events.data(), events.size());
    }
    list.MergeFromProfiles(*block);
    list.PushToButtons(*block);
    for (const ProfileRecord& profile : block->Profiles)
        for (const ButtonAssignmentEntry& entry : profile.MacroKeyInfo) {
            if (entry.FunctionCode != kFunctionMacro || entry.Name[0] == '\0') continue;
            const int found = list.Find(EntryMacroName(entry));
            FUZZ_CHECK(found >= 0);
            FUZZ_CHECK(entry.ItemCount <= kMacroEventCapacity);
            FUZZ_CHECK(entry.ItemCount == UsableEventCount(list.At(static_cast<size_t>(found))));
        }
    for (size_t i = 0; i < list.Count(); ++i) FUZZ_CHECK(UsableEventCount(list.At(i)) <= kMacroEventCapacity);
    return 0;
}
