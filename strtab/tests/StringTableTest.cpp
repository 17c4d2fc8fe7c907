#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/DistFolder.h"

namespace {

// Every string number the two programs look up.
std::vector<UINT> UsedNumbers() {
    std::vector<UINT> numbers;
    const UINT ranges[][2] = {
        {1000, 1009},  // version labels, tray menu and tip, first button functions, key combination
        {1010, 1022},  // button functions, resolution popup, macro popup, launch program
        {1024, 1066},  // profile, media, internet functions; macro manager menu
        {1069, 1069},  // profile popup
        {1071, 1076},  // select-macro item, lighting modes, function 86
    };
    for (const auto& range : ranges)
        for (UINT number = range[0]; number <= range[1]; ++number) numbers.push_back(number);
    return numbers;
}

std::string DistPath(const char* file) { return testsupport::DistFolder() + file; }

std::string Text(HMODULE library, UINT number) {
    char buffer[256] = "unchanged";
    const int length = LoadStringA(library, number, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

class StringTable : public ::testing::TestWithParam<DWORD> {
protected:
    void SetUp() override {
        m_library = LoadLibraryExA(DistPath("strtab.dll").c_str(), nullptr, GetParam());
        ASSERT_NE(m_library, nullptr) << DistPath("strtab.dll");
    }
    void TearDown() override {
        if (m_library) FreeLibrary(m_library);
    }
    HMODULE m_library = nullptr;
};

TEST_P(StringTable, TrayTextsPresent) {
    EXPECT_EQ(Text(m_library, 1002), "Open Settings");
    EXPECT_EQ(Text(m_library, 1003), "Exit");
    EXPECT_EQ(Text(m_library, 1004), "TARVIK-Q7 Gaming Mouse");
}

TEST_P(StringTable, EveryUsedNumberHasText) {
    for (UINT number : UsedNumbers()) EXPECT_FALSE(Text(m_library, number).empty()) << number;
}

TEST_P(StringTable, UnknownNumbersEmpty) {
    for (UINT number : {0u, 999u, 1023u, 1077u, 6001u}) EXPECT_EQ(Text(m_library, number), "") << number;
}

// Loaded as code (as the programs do) and as plain data.
INSTANTIATE_TEST_SUITE_P(LoadKinds, StringTable, ::testing::Values(DWORD{0}, DWORD{LOAD_LIBRARY_AS_DATAFILE}));

}  // namespace
