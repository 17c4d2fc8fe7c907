#include "profile/AppSettings.h"
#include "profile/MemoryIniFiles.h"
#include "profile/StructuredValue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char kFolder[] = "C:\\Program Files\\Mouse\\";
const char kConfigPath[] = "C:\\Program Files\\Mouse\\config.ini";

class FixedClock : public WallClock {
public:
    explicit FixedClock(int64_t seconds) : m_seconds(seconds) {}
    int64_t SecondsSince1970() const override { return m_seconds; }

private:
    int64_t m_seconds;
};

std::string StoredValue(const MemoryIniFiles& files, const char* section, const char* key) {
    std::string value = "<missing>";
    files.GetValue(kConfigPath, section, key, value);
    return value;
}

TEST(AppSettingsPath_ProgramFolder, IsBesideTheProgram) {
    EXPECT_EQ(AppSettingsPath(kFolder), kConfigPath);
}

TEST(AppSettingsFile_MissingKeys, ReadAsTheirDefaults) {
    MemoryIniFiles files;
    AppSettingsFile settings(files, kFolder);
    EXPECT_EQ(settings.ReadCurrentSlot(), -1);
    EXPECT_EQ(settings.ReadMouseType(), -1);
    EXPECT_EQ(settings.ReadFirmwareVersion(), 100);
    EXPECT_FALSE(files.FileExists(kConfigPath));  // reading creates nothing
}

TEST(AppSettingsFile_StoredKeys, ReadAsStored) {
    struct Case {
        const char* key;
        const char* text;
        int32_t (AppSettingsFile::*read)();
        int32_t expected;
    };
    const Case cases[] = {
        {"CurrentProfile", "3", &AppSettingsFile::ReadCurrentSlot, 3},
        {"currentprofile", "4", &AppSettingsFile::ReadCurrentSlot, 4},    // key names ignore case
        {"CurrentProfile", "7", &AppSettingsFile::ReadCurrentSlot, 7},    // out of range stays as stored
        {"MouseType", "-2", &AppSettingsFile::ReadMouseType, -2},
        {"FWVersion", "104", &AppSettingsFile::ReadFirmwareVersion, 104},  // shown as 1.04
        {"FWVersion", "", &AppSettingsFile::ReadFirmwareVersion, 100},     // empty value: the default
    };
    for (const Case& c : cases) {
        MemoryIniFiles files;
        files.SetValue(kConfigPath, "Setting", c.key, c.text);
        AppSettingsFile settings(files, kFolder);
        EXPECT_EQ((settings.*c.read)(), c.expected) << c.key << "=" << c.text;
    }
}

TEST(AppSettingsFile_Writes, LandInTheirKeys) {
    MemoryIniFiles files;
    AppSettingsFile settings(files, kFolder);
    settings.WriteCurrentSlot(2);
    settings.WriteMouseType(-1);
    settings.WriteDevicePresence(1);
    EXPECT_EQ(StoredValue(files, "Setting", "CurrentProfile"), "2");
    EXPECT_EQ(StoredValue(files, "Setting", "MouseType"), "-1");
    EXPECT_EQ(StoredValue(files, "Setting", "Device"), "1");
    settings.WriteDevicePresence(0);
    EXPECT_EQ(StoredValue(files, "Setting", "Device"), "0");
    EXPECT_EQ(settings.ReadCurrentSlot(), 2);

    settings.WriteMacroNotice(3, "Reload");
    settings.WriteNoticeMessage("CPI: 800");
    EXPECT_EQ(StoredValue(files, "MacroOSD", "Number"), "3");
    EXPECT_EQ(StoredValue(files, "MacroOSD", "MacroName"), "Reload");
    EXPECT_EQ(StoredValue(files, "OSDData", "Message"), "CPI: 800");
}

TEST(BuildAccessCode_Times, LittleEndianSecondsThenZeros) {
    struct Case {
        int64_t seconds;
        uint8_t low[4];
    };
    const Case cases[] = {
        {0, {0, 0, 0, 0}},                                 // the epoch
        {0x5F5E1234, {0x34, 0x12, 0x5E, 0x5F}},            // byte order
        {1700000000, {0x00, 0xF1, 0x53, 0x65}},            // November 2023
        {0xFFFFFFFFLL, {0xFF, 0xFF, 0xFF, 0xFF}},          // last 32-bit second
        {0x100000005LL, {0x05, 0x00, 0x00, 0x00}},         // beyond 32 bits: low bits only
    };
    for (const Case& c : cases) {
        auto code = BuildAccessCode(c.seconds);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(code[i], c.low[i]) << c.seconds << " byte " << i;
        for (size_t i = 4; i < code.size(); ++i) EXPECT_EQ(code[i], 0) << c.seconds << " byte " << i;
    }
}

TEST(AppSettingsFile_WriteAccessCode, StoresStructuredValueOfTheClock) {
    MemoryIniFiles files;
    AppSettingsFile settings(files, kFolder);
    settings.WriteAccessCode(FixedClock(0x5F5E1234));
    // 16 bytes and the checksum (0x34 + 0x12 + 0x5E + 0x5F = 0x103, low byte 03).
    EXPECT_EQ(StoredValue(files, "HidAccessCode", "Code"), "34125E5F00000000000000000000000003");
}

TEST(DefaultOsdSettings_Values, ZerosWithTwoValues) {
    OsdSettings settings;
    memset(&settings, 0xAB, sizeof settings);
    DefaultOsdSettings(settings);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&settings);
    for (size_t i = 0; i < sizeof settings; ++i) {
        bool inValue = (i >= 140 && i < 144) || i >= 344;
        if (!inValue) {
            EXPECT_EQ(bytes[i], 0) << "byte " << i;
        }
    }
    EXPECT_EQ(settings.FirstValue, 110);
    EXPECT_EQ(settings.SecondValue, 5);
}

OsdSettings SampleOsdSettings() {
    OsdSettings settings;
    DefaultOsdSettings(settings);
    settings.ProfileNotice = 1;
    settings.MacroNotice = 1;
    settings.MessageHighValue = 300;
    settings.MessageLowValue = 40;
    strcpy(settings.FirstText, "Arial");
    strcpy(settings.ThirdText, "bottom right");
    settings.SecondValue = 9;
    return settings;
}

TEST(AppSettingsFile_OsdSettings, RoundTripAsOneValue) {
    MemoryIniFiles files;
    AppSettingsFile settings(files, kFolder);
    const OsdSettings written = SampleOsdSettings();
    settings.WriteOsdSettings(written);
    EXPECT_EQ(StoredValue(files, "OSDSetting", "config").size(), 698u);
    OsdSettings read;
    DefaultOsdSettings(read);
    EXPECT_TRUE(settings.ReadOsdSettings(read));
    EXPECT_EQ(memcmp(&read, &written, sizeof read), 0);
}

TEST(AppSettingsFile_OsdSettingsUnreadable, LeaveTheStructureAlone) {
    const OsdSettings stored = SampleOsdSettings();
    std::string good = EncodeStructuredValue(&stored, sizeof stored);
    std::string badChecksum = good;
    badChecksum[10] = badChecksum[10] == '0' ? '1' : '0';
    const std::string shortValue = good.substr(0, 300);
    const char* cases[] = {
        nullptr,              // key missing
        "",                   // empty value
        badChecksum.c_str(),  // one digit changed
        shortValue.c_str(),   // cut short
    };
    for (const char* value : cases) {
        MemoryIniFiles files;
        if (value) files.SetValue(kConfigPath, "OSDSetting", "config", value);
        AppSettingsFile settings(files, kFolder);
        OsdSettings read;
        memset(&read, 0x5A, sizeof read);
        EXPECT_FALSE(settings.ReadOsdSettings(read));
        const auto* bytes = reinterpret_cast<const uint8_t*>(&read);
        for (size_t i = 0; i < sizeof read; ++i) ASSERT_EQ(bytes[i], 0x5A) << "byte " << i;
    }
}

}  // namespace
