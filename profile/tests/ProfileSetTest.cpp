#include "profile/AppSettings.h"
#include "profile/MemoryIniFiles.h"
#include "profile/MemoryRegistry.h"
#include "profile/PointerSettings.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileSet.h"
#include "ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kFolder[] = "D:\\Games\\Mouse\\";
const char kConfigPath[] = "D:\\Games\\Mouse\\config.ini";

std::unique_ptr<SettingsBlock> ClearedBlock() {
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    return block;
}

std::unique_ptr<ProfileRecord> DefaultRecord(int slot) {
    auto record = std::make_unique<ProfileRecord>();
    memset(record.get(), 0, sizeof *record);
    FillDefaults(*record, slot);
    return record;
}

// Pointer values the registry reads back exactly (a table row, acceleration on).
void SetReadableAcceleration(ProfileRecord& record) {
    record.AccelerationFlag = 1;
    record.Acceleration = 8;
    record.ScrollWheelFlag = 0;
    record.ScrollWheelSpeed = 4;
}

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
    for (int slot = 0; slot < kSlotCount; ++slot) {
        auto expected = DefaultRecord(slot);
        EXPECT_EQ(memcmp(&block->Profiles[slot], expected.get(), sizeof(ProfileRecord)), 0) << slot;
    }
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
    for (int slot : {0, 3, 4}) {
        auto expected = DefaultRecord(slot);
        EXPECT_EQ(memcmp(&block->Profiles[slot], expected.get(), sizeof(ProfileRecord)), 0) << slot;
    }
    // Slot 2 comes from its file except for the system's pointer settings.
    const ProfileRecord& current = block->Profiles[2];
    EXPECT_STREQ(current.ProFileName, stored[1]->ProFileName);
    EXPECT_EQ(current.PollingRate, stored[1]->PollingRate);
    EXPECT_EQ(current.DbleClickSpeed, 640);
    EXPECT_EQ(current.Orientation, 1);
    EXPECT_EQ(current.MouseSpeed, 17);
    EXPECT_EQ(current.Acceleration, 17);
    EXPECT_EQ(current.AccelerationFlag, 1);
    EXPECT_EQ(current.ScrollWheelSpeed, 0);
    EXPECT_EQ(current.ScrollWheelFlag, 1);
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
    SetReadableAcceleration(saved->Profiles[3]);
    SaveProfileSet(*saved, files, registry, kFolder);

    auto loaded = ClearedBlock();
    LoadProfileSet(*loaded, files, registry, kFolder);
    EXPECT_EQ(loaded->CurrentSlot, 3);
    EXPECT_EQ(loaded->MouseType, -77);
    for (int slot = 0; slot < kSlotCount; ++slot)
        EXPECT_EQ(FirstDifference(loaded->Profiles[slot], saved->Profiles[slot]), "") << slot;
}

}  // namespace
