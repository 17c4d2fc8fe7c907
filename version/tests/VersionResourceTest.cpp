// Each built program and library of the program folder: its version
// resource as GetFileVersionInfo gives it, and the icon of the programs a
// user starts.
#include "testing/DistFolder.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

std::string StringValue(const std::vector<char>& info, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return "";
    return std::string(value);
}

TEST(VersionResource_EveryBinary, CarriesTheProductVersionAndItsOwnName) {
    struct Row {
        const char* file;
        DWORD fileType;
        bool icon;  // started by users, shown by the shell with the product's icon
    };
    const Row rows[] = {
        {"Monitor.exe", VFT_APP, true},
        {"Option.exe", VFT_APP, true},
        {"Herald.exe", VFT_APP, true},
        {"mousectl.exe", VFT_APP, true},
        {"ProfileTool.exe", VFT_APP, true},
        // A developer's tool for the virtual mouse.
        {"portioctl.exe", VFT_APP, false},
        {"portio.dll", VFT_DLL, false},
        // Resource-only: the version block sits beside the string table.
        {"strtab.dll", VFT_DLL, false},
    };
    for (const Row& row : rows) {
        const std::string path = testsupport::DistFolder() + row.file;
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
        ASSERT_GT(size, 0u) << row.file << " has no version resource";
        std::vector<char> info(size);
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data())) << row.file;

        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT fixedLength = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedLength)) << row.file;
        ASSERT_EQ(fixedLength, sizeof(VS_FIXEDFILEINFO)) << row.file;
        EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu) << row.file;
        // 1.0.4.0, as the configuration window's version line "1.04".
        EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u) << row.file;
        EXPECT_EQ(fixed->dwFileVersionLS, 0x00040000u) << row.file;
        EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u) << row.file;
        EXPECT_EQ(fixed->dwProductVersionLS, 0x00040000u) << row.file;
        EXPECT_EQ(fixed->dwFileType, row.fileType) << row.file;

        EXPECT_EQ(StringValue(info, "FileVersion"), "1.0.4.0") << row.file;
        EXPECT_EQ(StringValue(info, "ProductVersion"), "1.0.4.0") << row.file;
        EXPECT_EQ(StringValue(info, "ProductName"), "TARVIK-Q7 Gaming Mouse") << row.file;
        EXPECT_EQ(StringValue(info, "OriginalFilename"), row.file) << row.file;
        EXPECT_EQ(StringValue(info, "FileDescription").rfind("TARVIK-Q7 Gaming Mouse ", 0), 0u) << row.file;

        const UINT icons = ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0);
        EXPECT_EQ(icons > 0, row.icon) << row.file << ": " << icons << " icons";
    }
}

}  // namespace
