#include "profile/AppSettings.h"
#include "profile/MemoryIniFiles.h"
#include "profile/MemoryRegistry.h"
#include "profile/PointerSettings.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileSet.h"
#include "ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kFolder[] = "D:\\Games\\Mouse\\";
const char kConfigPath[] = "D:\\Games\\Mouse\\config.ini";

void PlantPointerSettings(MemoryRegistry& registry) {
    registry.SetText(kMouseKeyPath, kDoubleClickSpeedValue, "640");
    registry.SetText(kMouseKeyPath, kSwapMouseButtonsValue, "1");
    registry.SetText(kMouseKeyPath, kMouseSensitivityValue, "17");
    registry.SetText(kMouseKeyPath, kMouseSpeedValue, "2");
    registry.SetText(kMouseKeyPath, kMouseThreshold1Value, "4");
    registry.SetText(kMouseKeyPath, kMouseThreshold2Value, "7");
    registry.SetText(kDesktopKeyPath, kWheelScrollLinesValue, "-1");
}

TEST(LoadProfileSet_NoFiles, GivesMinusOneAndDefaultsWithoutRegistry) {
    MemoryIniFiles files;
    MemoryRegistry registry;
    PlantPointerSettings(registry);
    auto block = ClearedBlock();
    block->CurrentSlot = 3;
    block->MouseType = 9;
    EXPECT_TRUE(LoadProfileSet(*block, files, registry, kFolder));
    EXPECT_EQ(block->CurrentSlot, -1);
    EXPECT_EQ(block->MouseType, -1);
    for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_TRUE(IsDefaultRecord(block->Profiles[slot], slot)) << slot;
    EXPECT_TRUE(registry.Log().empty());
    EXPECT_EQ(EffectiveSlot(block->CurrentSlot), 0);
    // Nothing is written back by loading.
    EXPECT_FALSE(files.FileExists(kConfigPath));
    EXPECT_FALSE(files.FileExists(SlotProfilePath(kFolder, 0)));
}

TEST(LoadProfileSet_SomeFiles, ReadsFilesDefaultsAndCurrentPointerSettings) {
    MemoryIniFiles files;
    files.SetValue(kConfigPath, "Setting", "CurrentProfile", "2");
    files.SetValue(kConfigPath, "Setting", "MouseType", "5");
    std::vector<std::unique_ptr<ProfileRecord>> stored;
    for (int slot : {1, 2}) {
        stored.push_back(std::make_unique<ProfileRecord>());
        FillWithVariedValues(*stored.back(), 40 + slot);
        WriteProfileFile(*stored.back(), files, SlotProfilePath(kFolder, slot));
    }
    MemoryRegistry registry;
    PlantPointerSettings(registry);

    auto block = ClearedBlock();
    EXPECT_TRUE(LoadProfileSet(*block, files, registry, kFolder));
    EXPECT_EQ(block->CurrentSlot, 2);
    EXPECT_EQ(block->MouseType, 5);
    EXPECT_EQ(FirstDifference(block->Profiles[1], *stored[0]), "");
    for (int slot : {0, 3, 4}) EXPECT_TRUE(IsDefaultRecord(block->Profiles[slot], slot)) << slot;
    // Slot 2 comes from its file except for the system's pointer settings.
    const ProfileRecord& current = block->Profiles[2];
    EXPECT_STREQ(current.ProFileName, stored[1]->ProFileName);
    EXPECT_EQ(current.PollingRate, stored[1]->PollingRate);
    EXPECT_EQ(PointerFieldsOf(current), (PointerFields{640, 1, 17, 17, 1, 0, 1}));
}

TEST(LoadProfileSet_CurrentSlotOutOfRange, KeptAsLoadedAndRegistryUnread) {
    struct Case {
        const char* stored;
        int32_t loaded;
        bool readsRegistry;
    };
    const Case cases[] = {
        {"5", 5, false},      // one past the last slot
        {"-3", -3, false},    // negative
        {"abc", 0, true},     // not a number reads as 0, like the platform
        {"4", 4, true},       // last slot
        {"0", 0, true},       // first slot
    };
    for (const Case& c : cases) {
        MemoryIniFiles files;
        files.SetValue(kConfigPath, "Setting", "CurrentProfile", c.stored);
        MemoryRegistry registry;
        PlantPointerSettings(registry);
        auto block = ClearedBlock();
        LoadProfileSet(*block, files, registry, kFolder);
        EXPECT_EQ(block->CurrentSlot, c.loaded) << c.stored;
        EXPECT_EQ(!registry.Log().empty(), c.readsRegistry) << c.stored;
        // The record used as current is slot 0's for every value outside 0..4.
        EXPECT_EQ(&CurrentProfile(*block), &block->Profiles[EffectiveSlot(c.loaded)]) << c.stored;
    }
}

// A registry that notes, at every open, which files of the program folder exist.
class WatchingRegistry : public MemoryRegistry {
public:
    explicit WatchingRegistry(IniFileSystem& files) : m_files(files) {}

    std::unique_ptr<RegistryKey> OpenKey(const std::string& fullPath) override {
        int existing = m_files.FileExists(kConfigPath) ? 1 : 0;
        for (int slot = 0; slot < kSlotCount; ++slot) existing += m_files.FileExists(SlotProfilePath(kFolder, slot));
        m_filesAtOpen.push_back(existing);
        return MemoryRegistry::OpenKey(fullPath);
    }

    std::vector<int> m_filesAtOpen;

private:
    IniFileSystem& m_files;
};

TEST(SaveProfileSet_CurrentSlotTwo, WritesRecordTwoToRegistryBeforeAnyFile) {
    MemoryIniFiles files;
    WatchingRegistry registry(files);
    auto block = ClearedBlock();
    ResetProfileSet(*block);
    block->CurrentSlot = 2;
    for (int slot = 0; slot < kSlotCount; ++slot) block->Profiles[slot].DbleClickSpeed = 300 + slot;

    EXPECT_TRUE(SaveProfileSet(*block, files, registry, kFolder));
    EXPECT_EQ(registry.m_filesAtOpen, (std::vector<int>{0, 0}));
    std::string text;
    ASSERT_TRUE(registry.GetText(kMouseKeyPath, kDoubleClickSpeedValue, text));
    EXPECT_EQ(text, "302");
    ASSERT_TRUE(files.FileExists(kConfigPath));
    for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_TRUE(files.FileExists(SlotProfilePath(kFolder, slot)));
}

TEST(SaveProfileSet_Keys, CurrentProfileThenMouseType) {
    struct Case {
        int32_t currentSlot;
        bool writesRegistry;
    };
    const Case cases[] = {
        {0, true},     // first slot
        {4, true},     // last slot
        {-1, false},   // never loaded: stays -1 in the file, registry untouched
        {7, false},    // damaged: no record to take the settings from
    };
    for (const Case& c : cases) {
        MemoryIniFiles files;
        files.SetValue(kConfigPath, "Setting", "FWVersion", "104");
        MemoryRegistry registry;
        auto block = ClearedBlock();
        ResetProfileSet(*block);
        block->CurrentSlot = c.currentSlot;
        block->MouseType = 0x1234;
        SaveProfileSet(*block, files, registry, kFolder);
        EXPECT_EQ(!registry.Log().empty(), c.writesRegistry) << c.currentSlot;
        EXPECT_EQ(files.KeyOrder(kConfigPath, "Setting"),
                  (std::vector<std::string>{"FWVersion", "CurrentProfile", "MouseType"}));
        std::string text;
        files.GetValue(kConfigPath, "Setting", "CurrentProfile", text);
        EXPECT_EQ(text, std::to_string(c.currentSlot));
        files.GetValue(kConfigPath, "Setting", "MouseType", text);
        EXPECT_EQ(text, "4660");
    }
}

TEST(ProfileSet_SaveThenLoad, GivesTheSameSet) {
    MemoryIniFiles files;
    MemoryRegistry registry;
    auto saved = ClearedBlock();
    for (int slot = 0; slot < kSlotCount; ++slot) FillWithVariedValues(saved->Profiles[slot], 100 + slot);
    saved->CurrentSlot = 3;
    saved->MouseType = -77;
    SetReadablePointerValues(saved->Profiles[3], 8, 4);
    SaveProfileSet(*saved, files, registry, kFolder);

    auto loaded = ClearedBlock();
    LoadProfileSet(*loaded, files, registry, kFolder);
    EXPECT_EQ(loaded->CurrentSlot, 3);
    EXPECT_EQ(loaded->MouseType, -77);
    for (int slot = 0; slot < kSlotCount; ++slot)
        EXPECT_EQ(FirstDifference(loaded->Profiles[slot], saved->Profiles[slot]), "") << slot;
}

// A damaged slot profile file never leaves a button without its function:
// a file that holds no key of a profile counts as missing, an entry that is
// missing or cannot be read takes that position's default entry.
TEST(LoadProfileSet_DamagedSlotFile, GivesDefaultsWhereTheFileFails) {
    const std::string path = SlotProfilePath(kFolder, 2);
    // The file as Option wrote it: every button a macro, so that a default
    // entry cannot be mistaken for the stored one.
    auto stored = DefaultRecord(2);
    for (int b = 0; b < kButtonCount; ++b) {
        stored->MacroKeyInfo[b].FunctionCode = 16;
        stored->MacroKeyInfo[b].RepeatCount = 3;
        strcpy(stored->MacroKeyInfo[b].Name, "combo");
    }
    stored->ColorOptions2 = static_cast<uint8_t>(stored->ColorOptions[2]);
    auto writeStored = [&](MemoryIniFiles& files) { WriteProfileFile(*stored, files, path); };
    auto editValue = [&](MemoryIniFiles& files, const char* key, void (*edit)(std::string&)) {
        writeStored(files);
        std::string value;
        files.GetValue(path, "Setting", key, value);
        edit(value);
        files.SetValue(path, "Setting", key, value);
    };
    std::string randomBytes(4096, '\0');
    std::mt19937 random(7);
    for (char& c : randomBytes) c = static_cast<char>(random());

    struct Row {
        const char* what;
        std::function<void(MemoryIniFiles&)> plant;
        bool wholeDefault;        // the slot's default profile
        int defaultedButton;      // the one entry that takes its default; -1 none
        int32_t dbleClickSpeed;   // an integer field as loaded
    } rows[] = {
        {"empty file", [&](MemoryIniFiles& f) { f.SetText(path, ""); }, true, -1, 550},
        {"random bytes", [&](MemoryIniFiles& f) { f.SetText(path, randomBytes); }, true, -1, 550},
        {"10 MB of zeros", [&](MemoryIniFiles& f) { f.SetText(path, std::string(10 << 20, '\0')); }, true, -1, 550},
        {"foreign keys only",
         [&](MemoryIniFiles& f) { f.SetText(path, "[Other]\r\nProFileName=x\r\n[Setting]\r\nComment=1\r\n"); },
         true, -1, 550},
        // A name and nothing else: integers read as -1, every entry its default.
        {"only ProFileName", [&](MemoryIniFiles& f) { f.SetText(path, "[Setting]\r\nProFileName=Test\r\n"); },
         false, -2, -1},
        {"one digit changed in MacroKeyInfo0",
         [&](MemoryIniFiles& f) {
             editValue(f, "MacroKeyInfo0", [](std::string& v) { v[2] = v[2] == '1' ? '0' : '1'; });
         },
         false, 0, 550},
        {"MacroKeyInfo7 missing",
         [&](MemoryIniFiles& f) {
             writeStored(f);
             std::string text = f.Text(path);
             size_t at = text.find("MacroKeyInfo7=");
             text.erase(at, text.find('\n', at) + 1 - at);
             f.SetText(path, text);
         },
         false, 7, 550},
        {"MacroKeyInfo15 two digits short",
         [&](MemoryIniFiles& f) { editValue(f, "MacroKeyInfo15", [](std::string& v) { v.resize(v.size() - 2); }); },
         false, 15, 550},
        {"MacroKeyInfo5 with a non-hex digit",
         [&](MemoryIniFiles& f) { editValue(f, "MacroKeyInfo5", [](std::string& v) { v[100] = 'G'; }); },
         false, 5, 550},
    };
    // Default function codes of positions 0..15.
    const uint8_t defaultCodes[kButtonCount] = {1, 2, 3, 7, 8, 13, 86, 0, 0, 0, 0, 0, 0, 0, 9, 10};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        MemoryIniFiles files;
        row.plant(files);
        ASSERT_TRUE(files.FileExists(path));
        MemoryRegistry registry;
        auto block = ClearedBlock();
        LoadProfileSet(*block, files, registry, kFolder);
        const ProfileRecord& loaded = block->Profiles[2];
        EXPECT_EQ(loaded.DbleClickSpeed, row.dbleClickSpeed);
        if (row.wholeDefault) {
            EXPECT_TRUE(IsDefaultRecord(loaded, 2));
            EXPECT_STREQ(loaded.ProFileName, "Default3");
            continue;
        }
        for (int b = 0; b < kButtonCount; ++b) {
            const ButtonAssignmentEntry& entry = loaded.MacroKeyInfo[b];
            if (b == row.defaultedButton || row.defaultedButton == -2) {
                ButtonAssignmentEntry expected{};
                expected.ButtonIndex = static_cast<uint8_t>(b);
                expected.FunctionCode = defaultCodes[b];
                EXPECT_EQ(memcmp(&entry, &expected, sizeof entry), 0) << "button " << b;
            } else {
                EXPECT_EQ(memcmp(&entry, &stored->MacroKeyInfo[b], sizeof entry), 0) << "button " << b;
            }
        }
    }
}

}  // namespace
