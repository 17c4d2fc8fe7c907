// The application settings file and the profile set on real files through
// the private-profile functions, with the pointer settings in a registry key
// of the test's own.
#include "TestRegistry.h"

#include "profile/AppSettings.h"
#include "profile/PointerSettings.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileSet.h"
#include "profile/StructuredValue.h"
#include "profile/win32/PrivateProfileAccessor.h"
#include "../../tests/ProfileTestSupport.h"
#include "testing/DamagedFiles.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

class FixedClock : public WallClock {
public:
    int64_t SecondsSince1970() const override { return 1700000000; }
};

// A program folder with its config\ subfolder, its files read and written
// through the private-profile functions, and a registry key of the test's own.
class ProgramFolderTest : public ::testing::Test {
protected:
    ProgramFolderTest() { CreateDirectoryA((Path() + "config").c_str(), nullptr); }
    const std::string& Path() const { return m_folder.Path(); }
    std::string ConfigIni() const { return Path() + "config.ini"; }

    bool Exists(const std::string& path) const { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
    // How many of config.ini and the five slot files exist.
    int ExistingFiles() const {
        int count = Exists(ConfigIni()) ? 1 : 0;
        for (int slot = 0; slot < kSlotCount; ++slot) count += Exists(SlotProfilePath(Path(), slot)) ? 1 : 0;
        return count;
    }

    testsupport::TempFolder m_folder{"profiletest"};
    PrivateProfileFiles m_files;
    TestRegistryKey m_base;
    RedirectedRegistry m_registry{m_base};
    AppSettingsFile m_settings{m_files, Path()};
};

std::string RawValue(const std::string& file, const char* section, const char* key) {
    return testsupport::IniValue(file, section, key, "<missing>");
}

TEST_F(ProgramFolderTest, LoadProfileSet_NoConfigIniMinusOneAndNoRegistryRead) {
    auto block = ClearedBlock();
    EXPECT_TRUE(LoadProfileSet(*block, m_files, m_registry, Path()));
    EXPECT_EQ(block->CurrentSlot, -1);
    EXPECT_EQ(block->MouseType, -1);
    EXPECT_TRUE(m_registry.Opened().empty());
    EXPECT_STREQ(block->Profiles[0].ProFileName, "Default1");
    EXPECT_STREQ(block->Profiles[4].ProFileName, "Default5");
    EXPECT_EQ(ExistingFiles(), 0);
}

TEST_F(ProgramFolderTest, SaveProfileSet_CurrentSlotTwoRegistryBeforeAnyFile) {
    std::vector<int> filesAtOpen;
    m_registry.OnOpen([&] { filesAtOpen.push_back(ExistingFiles()); });
    auto block = ClearedBlock();
    ResetProfileSet(*block);
    block->CurrentSlot = 2;
    block->MouseType = 3;
    for (int slot = 0; slot < kSlotCount; ++slot) block->Profiles[slot].DbleClickSpeed = 400 + slot;

    EXPECT_TRUE(SaveProfileSet(*block, m_files, m_registry, Path()));
    EXPECT_EQ(filesAtOpen, (std::vector<int>{0, 0}));
    EXPECT_EQ(StoredRegistryText(HKEY_CURRENT_USER, m_registry.SubkeyOf(kMouseKeyPath), "DoubleClickSpeed"), "402");
    EXPECT_EQ(ExistingFiles(), 6);
    EXPECT_EQ(RawValue(ConfigIni(), "Setting", "CurrentProfile"), "2");
    EXPECT_EQ(RawValue(ConfigIni(), "Setting", "MouseType"), "3");
}

TEST_F(ProgramFolderTest, ProfileSet_SaveThenLoadGivesTheSameSet) {
    auto saved = ClearedBlock();
    for (int slot = 0; slot < kSlotCount; ++slot) FillWithVariedValues(saved->Profiles[slot], 500 + slot);
    saved->CurrentSlot = 1;
    saved->MouseType = 12345;
    SetReadablePointerValues(saved->Profiles[1], 3, 2);
    SaveProfileSet(*saved, m_files, m_registry, Path());

    auto loaded = ClearedBlock();
    LoadProfileSet(*loaded, m_files, m_registry, Path());
    EXPECT_EQ(loaded->CurrentSlot, 1);
    EXPECT_EQ(loaded->MouseType, 12345);
    for (int slot = 0; slot < kSlotCount; ++slot)
        EXPECT_EQ(FirstDifference(loaded->Profiles[slot], saved->Profiles[slot]), "") << slot;
    // Loading read the registry: it was opened again after the save's two opens.
    EXPECT_EQ(m_registry.Opened().size(), 4u);
}

TEST_F(ProgramFolderTest, AppSettingsFile_KeysWrittenAsTextTheOthersRead) {
    EXPECT_EQ(m_settings.ReadFirmwareVersion(), 100);
    WritePrivateProfileStringA("Setting", "FWVersion", "104", ConfigIni().c_str());
    EXPECT_EQ(m_settings.ReadFirmwareVersion(), 104);
    m_settings.WriteDevicePresence(1);
    m_settings.WriteCurrentSlot(4);
    m_settings.WriteAccessCode(FixedClock());
    EXPECT_EQ(RawValue(ConfigIni(), "Setting", "Device"), "1");
    EXPECT_EQ(RawValue(ConfigIni(), "Setting", "CurrentProfile"), "4");
    // 1700000000 = 0x6553F100, little-endian, then twelve zero bytes and the checksum.
    EXPECT_EQ(RawValue(ConfigIni(), "HidAccessCode", "Code"), "00F15365000000000000000000000000A9");
}

TEST_F(ProgramFolderTest, AppSettingsFile_OsdSettingsRoundTripAndDamagedValueKept) {
    OsdSettings written;
    DefaultOsdSettings(written);
    written.ProfileNotice = 1;
    written.MessageHighValue = 640;
    strcpy(written.SecondText, "Tahoma");
    m_settings.WriteOsdSettings(written);

    OsdSettings read;
    memset(&read, 0, sizeof read);
    ASSERT_TRUE(m_settings.ReadOsdSettings(read));
    EXPECT_EQ(memcmp(&read, &written, sizeof read), 0);

    // One digit changed: the platform's reader fails on the checksum, and
    // the structure keeps what it held.
    std::string damaged = RawValue(ConfigIni(), "OSDSetting", "config");
    ASSERT_EQ(damaged.size(), 698u);
    damaged[0] = damaged[0] == 'F' ? 'E' : 'F';
    WritePrivateProfileStringA("OSDSetting", "config", damaged.c_str(), ConfigIni().c_str());
    OsdSettings kept;
    DefaultOsdSettings(kept);
    const OsdSettings before = kept;
    EXPECT_FALSE(m_settings.ReadOsdSettings(kept));
    EXPECT_EQ(memcmp(&kept, &before, sizeof kept), 0);
}

}  // namespace
