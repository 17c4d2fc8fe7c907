#include "monitor/device/win32/PortioLibrary.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string TestFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

TEST(PortioLibrary_MissingLibrary, EveryCallReturnsZero) {
    PortioLibrary library;
    EXPECT_FALSE(library.Load(TestFolder() + "no-such-folder\\"));
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(library.BoundCount(), 0);
    unsigned char buffer[64] = {1, 2, 3};
    EXPECT_EQ(library.Set_VIDPID(0x1017, 0x2001), 0);
    EXPECT_EQ(library.Open_DevMonitor(nullptr, 1325, 1326), 0);
    EXPECT_EQ(library.Open_FeatureDevice(), 0);
    EXPECT_EQ(library.Open_ReportDevice(), 0);
    EXPECT_EQ(library.SetFeature(buffer, 8), 0);
    EXPECT_EQ(library.WriteUSB(buffer, 64), 0);
    EXPECT_EQ(library.Close_FeatureDevice(), 0);
    EXPECT_EQ(library.Close_ReportDevice(), 0);
    EXPECT_EQ(library.Close_DevMonitor(), 0);
}

TEST(PortioLibrary_PartialLibrary, BindsWhatExistsAndSkipsTheRest) {
    PortioLibrary library;
    ASSERT_TRUE(library.Load(TestFolder() + "portio-partial\\"));
    EXPECT_EQ(library.BoundCount(), 3);

    // Present entry points are really called with the caller's arguments.
    EXPECT_EQ(library.Set_VIDPID(0x1017, 0x2001), 1);
    EXPECT_EQ(library.Open_ReportDevice(), 7);
    unsigned char command[8] = {2, 1, 0, 0, 0, 0, 0, 0xFC};
    EXPECT_EQ(library.SetFeature(command, 8), 0xFC);
    using Counter = int (*)();
    HMODULE module = GetModuleHandleA("portio.dll");
    ASSERT_NE(module, nullptr);
    auto counter = reinterpret_cast<Counter>(reinterpret_cast<void*>(GetProcAddress(module, "FixtureSetVidPidCalls")));
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(counter(), 100000 + 0x1017);

    // Missing ones do nothing.
    unsigned char chunk[64] = {};
    EXPECT_EQ(library.Open_FeatureDevice(), 0);
    EXPECT_EQ(library.WriteUSB(chunk, 64), 0);
    EXPECT_EQ(library.Close_DevMonitor(), 0);
}

TEST(PortioLibrary_Unload, ReleasesTheModuleAndEmptiesTheBinding) {
    PortioLibrary library;
    ASSERT_TRUE(library.Load(TestFolder() + "portio-partial\\"));
    library.Unload();
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(library.BoundCount(), 0);
    EXPECT_EQ(GetModuleHandleA("portio.dll"), nullptr);
    EXPECT_EQ(library.Open_ReportDevice(), 0);
}

}  // namespace
