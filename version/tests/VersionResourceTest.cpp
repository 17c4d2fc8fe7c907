// Each built program and library of the program folder: its version
// resource as GetFileVersionInfo gives it, and the icon of the programs a
// user starts.
#include "testing/DistFolder.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <map>
#include <set>
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

// The image ids each icon group of the module lists (GRPICONDIR: 6-byte
// header with the count at byte 4, then 14-byte entries, the id at byte 12).
std::map<std::string, std::vector<WORD>> IconGroups(HMODULE module) {
    std::map<std::string, std::vector<WORD>> groups;
    EnumResourceNamesA(
        module, MAKEINTRESOURCEA(14),  // RT_GROUP_ICON
        [](HMODULE owner, LPCSTR, LPSTR name, LONG_PTR context) -> BOOL {
            auto& found = *reinterpret_cast<std::map<std::string, std::vector<WORD>>*>(context);
            const std::string key = IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name;
            HRSRC resource = FindResourceA(owner, name, MAKEINTRESOURCEA(14));
            const BYTE* bytes = resource ? static_cast<const BYTE*>(LockResource(LoadResource(owner, resource))) : nullptr;
            const DWORD size = resource ? SizeofResource(owner, resource) : 0;
            std::vector<WORD>& ids = found[key];
            if (!bytes || size < 6) return TRUE;
            const WORD count = static_cast<WORD>(bytes[4] | bytes[5] << 8);
            for (WORD i = 0; i < count && 6u + 14u * (i + 1u) <= size; ++i) {
                const BYTE* entry = bytes + 6 + 14 * i;
                ids.push_back(static_cast<WORD>(entry[12] | entry[13] << 8));
            }
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&groups));
    return groups;
}

TEST(IconGroups_EveryProgram, EachImageBelongsToOneIconAndExists) {
    // Resource scripts compiled apart each number their icon images from 1;
    // linked together, one image of a number is dropped and two icons share
    // the other, so one of them shows the wrong picture.
    const char* programs[] = {"Monitor.exe", "Option.exe", "Herald.exe", "mousectl.exe", "ProfileTool.exe"};
    for (const char* program : programs) {
        const std::string path = testsupport::DistFolder() + program;
        HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << program;
        const auto groups = IconGroups(module);
        EXPECT_FALSE(groups.empty()) << program;
        std::set<WORD> seen;
        for (const auto& [group, ids] : groups) {
            EXPECT_FALSE(ids.empty()) << program << " icon " << group;
            for (WORD id : ids) {
                EXPECT_TRUE(seen.insert(id).second) << program << ": image " << id << " of icon " << group
                                                    << " belongs to another icon too";
                EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3)), nullptr)  // RT_ICON
                    << program << ": image " << id << " of icon " << group << " is missing";
            }
        }
        FreeLibrary(module);
    }
}

}  // namespace
