#include "TestRegistry.h"

#include "profile/MemoryRegistry.h"
#include "profile/PointerSettings.h"
#include "profile/SettingsBlock.h"
#include "../../tests/ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

TEST(WindowsRegistry_OpenKey, CreatesMissingKeyAndRoundTripsText) {
    TestRegistryKey base;
    WindowsRegistry registry;
    std::string path = base.FullPath() + "\\Created\\Deeper";
    {
        auto key = registry.OpenKey(path);
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->WriteText("Speed", "-12"));
    }
    // Stored as REG_SZ with its terminating NUL.
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (base.Subkey() + "\\Created\\Deeper").c_str(), 0, KEY_READ, &raw),
              ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    EXPECT_EQ(RegQueryValueExA(raw, "Speed", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    RegCloseKey(raw);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 4u);

    // Opened again (now existing), through a root name in other case.
    std::string lower = "hkey_current_user\\" + base.Subkey() + "\\Created\\Deeper";
    auto again = registry.OpenKey(lower);
    ASSERT_NE(again, nullptr);
    char buffer[80];
    ASSERT_TRUE(again->ReadText("Speed", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "-12");
}

TEST(WindowsRegistry_ReadText, CutsMissingAndNonText) {
    TestRegistryKey base;
    WindowsRegistry registry;
    auto key = registry.OpenKey(base.FullPath());
    ASSERT_NE(key, nullptr);
    std::string longText(300, '7');
    ASSERT_TRUE(key->WriteText("Long", longText.c_str()));
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, base.Subkey().c_str(), 0, KEY_ALL_ACCESS, &raw), ERROR_SUCCESS);
    DWORD number = 5;
    RegSetValueExA(raw, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    // Text stored without its terminating NUL.
    RegSetValueExA(raw, "Unterminated", 0, REG_SZ, reinterpret_cast<const BYTE*>("42xyz"), 2);
    RegCloseKey(raw);

    char buffer[80];
    memset(buffer, 'X', sizeof buffer);
    ASSERT_TRUE(key->ReadText("Long", buffer, sizeof buffer));
    EXPECT_EQ(std::string(buffer), std::string(79, '7'));

    memset(buffer, 'X', sizeof buffer);
    EXPECT_FALSE(key->ReadText("Missing", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(key->ReadText("Number", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    ASSERT_TRUE(key->ReadText("Unterminated", buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "42");
}

TEST(WindowsRegistry_OpenKey, RefusesPathWithoutBackslash) {
    WindowsRegistry registry;
    EXPECT_EQ(registry.OpenKey("HKEY_CURRENT_USER"), nullptr);
}

TEST(WindowsRegistry_OpenKey, UnknownRootMeansLocalMachine) {
    WindowsRegistry registry;
    char name[64];
    snprintf(name, sizeof name, "ProfileStoreTests%lu\\Sub", GetCurrentProcessId());
    auto key = registry.OpenKey(name);
    ASSERT_NE(key, nullptr);
    key->WriteText("V", "1");
    key.reset();
    EXPECT_EQ(StoredRegistryText(HKEY_LOCAL_MACHINE, name, "V"), "1");
    std::string top = std::string(name).substr(0, std::string(name).find('\\'));
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, top.c_str());
}

TEST(PointerSettings_TestKey, WriteThenReadThroughTheRegistry) {
    TestRegistryKey base;
    RedirectedRegistry registry(base);
    auto written = DefaultRecord();
    written->DbleClickSpeed = 612;
    written->Orientation = 1;
    written->MouseSpeed = 13;
    written->AccelerationFlag = 1;
    written->Acceleration = 14;
    written->ScrollWheelFlag = 1;
    EXPECT_EQ(WritePointerSettings(*written, registry), 1);
    std::string mouse = registry.SubkeyOf(kMouseKeyPath);
    EXPECT_EQ(StoredRegistryText(HKEY_CURRENT_USER, mouse, "MouseSpeed"), "2");
    EXPECT_EQ(StoredRegistryText(HKEY_CURRENT_USER, mouse, "MouseThreshold1"), "4");
    EXPECT_EQ(StoredRegistryText(HKEY_CURRENT_USER, mouse, "MouseThreshold2"), "10");
    EXPECT_EQ(StoredRegistryText(HKEY_CURRENT_USER, registry.SubkeyOf(kDesktopKeyPath), "WheelScrollLines"), "-1");

    auto read = DefaultRecord();
    EXPECT_EQ(ReadPointerSettings(*read, registry), 1);
    EXPECT_EQ(PointerFieldsOf(*read), (PointerFields{612, 1, 13, 14, 1, 0, 1}));
}

// Saves values of a real key and puts them back (or removes them) at the end.
class RegistryValuesRestorer {
public:
    RegistryValuesRestorer(const char* subkey, std::vector<const char*> names) : m_subkey(subkey) {
        for (const char* name : names) m_saved.push_back({name, StoredRegistryText(HKEY_CURRENT_USER, subkey, name)});
    }
    ~RegistryValuesRestorer() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, m_subkey.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
        for (const auto& saved : m_saved) {
            if (saved.second == "<missing>") RegDeleteValueA(key, saved.first);
            else
                RegSetValueExA(key, saved.first, 0, REG_SZ, reinterpret_cast<const BYTE*>(saved.second.c_str()),
                               static_cast<DWORD>(saved.second.size() + 1));
        }
        RegCloseKey(key);
    }

private:
    std::string m_subkey;
    std::vector<std::pair<const char*, std::string>> m_saved;
};

TEST(PointerSettings_RealKeys, RoundTripAndRestore) {
    RegistryValuesRestorer mouse("Control Panel\\Mouse", {"DoubleClickSpeed", "SwapMouseButtons", "MouseSensitivity",
                                                          "MouseSpeed", "MouseThreshold1", "MouseThreshold2"});
    RegistryValuesRestorer desktop("Control Panel\\Desktop", {"WheelScrollLines"});
    WindowsRegistry registry;
    auto written = DefaultRecord();
    written->DbleClickSpeed = 577;
    written->MouseSpeed = 9;
    written->AccelerationFlag = 1;
    written->Acceleration = 5;
    written->ScrollWheelSpeed = 7;
    ASSERT_EQ(WritePointerSettings(*written, registry), 1);
    EXPECT_EQ(StoredRegistryText(HKEY_CURRENT_USER, "Control Panel\\Mouse", "MouseThreshold1"), "9");
    EXPECT_EQ(StoredRegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "WheelScrollLines"), "7");

    auto read = DefaultRecord();
    ASSERT_EQ(ReadPointerSettings(*read, registry), 1);
    EXPECT_EQ(PointerFieldsOf(*read), (PointerFields{577, 0, 9, 5, 1, 7, 0}));
}

}  // namespace
