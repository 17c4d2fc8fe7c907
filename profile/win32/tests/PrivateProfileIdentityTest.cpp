// The portable structured-value codec and in-memory INI files must agree with
// the platform's private-profile functions byte for byte.
#include "profile/IniText.h"
#include "profile/MemoryIniFiles.h"
#include "profile/ProfileFile.h"
#include "profile/StructuredValue.h"
#include "profile/win32/PrivateProfileAccessor.h"
#include "../../tests/ProfileTestSupport.h"
#include "testing/DamagedFiles.h"
#include "testing/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace {

using testsupport::TempFolder;

std::string RawValue(const std::string& file, const char* key) {
    return testsupport::IniValue(file, "S", key, "<missing>");
}

TEST(StructuredValue_Encode, MatchesWritePrivateProfileStruct) {
    TempFolder folder;
    std::string file = folder.Path() + "codec.ini";
    std::mt19937 random(7);
    for (size_t size : {1u, 2u, 16u, 348u, 460u}) {
        std::vector<uint8_t> bytes(size);
        for (auto& b : bytes) b = static_cast<uint8_t>(random());
        ASSERT_TRUE(WritePrivateProfileStructA("S", "K", bytes.data(), size, file.c_str()));
        EXPECT_EQ(RawValue(file, "K"), EncodeStructuredValue(bytes.data(), size)) << "size " << size;
    }
}

TEST(StructuredValue_Decode, AgreesWithGetPrivateProfileStruct) {
    TempFolder folder;
    std::string file = folder.Path() + "codec.ini";
    std::vector<uint8_t> entry(460);
    for (size_t i = 0; i < entry.size(); ++i) entry[i] = static_cast<uint8_t>(i * 7 + 3);
    std::string valid = EncodeStructuredValue(entry.data(), entry.size());
    std::string oneDigitChanged = valid;
    oneDigitChanged[100] = oneDigitChanged[100] == 'A' ? 'B' : 'A';
    std::string lowerCase = valid;
    for (char& c : lowerCase) c = static_cast<char>(tolower(c));
    std::string shorter = valid.substr(0, valid.size() - 2);
    std::string badDigit = valid;
    badDigit[40] = 'G';

    struct Row { const char* name; std::string text; } rows[] = {
        {"valid", valid},
        {"one digit changed", oneDigitChanged},
        {"lower case", lowerCase},
        {"one byte short", shorter},
        {"not a digit", badDigit},
    };
    for (const Row& row : rows) {
        WritePrivateProfileStringA("S", "K", row.text.c_str(), file.c_str());
        std::vector<uint8_t> platform(460, 0x5A), ours(460, 0x5A);
        bool platformOk = GetPrivateProfileStructA("S", "K", platform.data(), 460, file.c_str()) != 0;
        bool ourOk = DecodeStructuredValue(row.text, ours.data(), ours.size());
        EXPECT_EQ(ourOk, platformOk) << row.name;
        if (platformOk && ourOk) {
            EXPECT_EQ(ours, platform) << row.name;
        }
    }
}

TEST(ParseProfileInt_Texts, AgreesWithGetPrivateProfileInt) {
    TempFolder folder;
    std::string file = folder.Path() + "int.ini";
    for (const char* text : {"42", "-1", "  7", "+5", "12abc", "abc", "4294967295", "-2147483648", "255"}) {
        WritePrivateProfileStringA("S", "K", text, file.c_str());
        int32_t platform = static_cast<int32_t>(GetPrivateProfileIntA("S", "K", -99, file.c_str()));
        EXPECT_EQ(ParseProfileInt(text), platform) << text;
    }
    // An empty value reads as the default, like a missing key.
    WritePrivateProfileStringA("S", "K", "", file.c_str());
    PrivateProfileAccessor accessor(file);
    EXPECT_EQ(accessor.GetInt("S", "K", -99), MemoryIniFiles().Open(file)->GetInt("S", "K", -99));
}

TEST(ProfileFile_OnDisk, SameKeysAndValuesAsInMemory) {
    TempFolder folder;
    std::string path = folder.Path() + "Default1.gmp";
    PrivateProfileFiles disk;
    MemoryIniFiles memory;
    auto record = std::make_unique<ProfileRecord>();
    FillWithVariedValues(*record, 11);
    WriteProfileFile(*record, disk, path);
    WriteProfileFile(*record, memory, path);

    std::string diskText = testsupport::ReadWholeFile(path);
    // Written whole from memory, the file holds the same bytes.
    IniText whole;
    ASSERT_TRUE(WriteProfileFields(*record, whole));
    EXPECT_EQ(whole.Bytes(), diskText);
    diskText.erase(std::remove(diskText.begin(), diskText.end(), '\r'), diskText.end());
    EXPECT_EQ(diskText, memory.Text(path));

    auto read = std::make_unique<ProfileRecord>();
    ReadProfileFile(*read, disk, path);
    EXPECT_EQ(FirstDifference(*record, *read), "");
}

TEST(IniText_OnDisk, UpdatesAFileAsTheKeyByKeyWritesDo) {
    TempFolder folder;
    const std::string path = folder.Path() + "config.ini";
    PrivateProfileAccessor disk(path);
    disk.PutString("Setting", "CurrentProfile", "1");
    disk.PutString("OSDData", "Message", "CPI: 800");
    disk.PutString("Setting", "MouseType", "0");
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    IniText whole(testsupport::ReadWholeFile(path));
    const char* edits[][3] = {{"setting", "currentprofile", "3"}, {"OSDData", "Alpha", "200"},
                              {"Setting", "MouseType", nullptr}, {"New", "Key", "  spaced value"}};
    for (const auto& edit : edits) {
        disk.PutString(edit[0], edit[1], edit[2]);
        whole.PutString(edit[0], edit[1], edit[2]);
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    EXPECT_EQ(whole.Bytes(), testsupport::ReadWholeFile(path));
}

TEST(IniText_OnDisk, ReadsALoneCarriageReturnAsTheSystemDoes) {
    TempFolder folder;
    const std::string path = folder.Path() + "cr.ini", bytes = "[S]\r\nk=a\rb=c\r\nm=1\r\n";
    ASSERT_TRUE(testsupport::WriteWholeFile(path, bytes));
    IniText whole(bytes);
    for (const char* key : {"k", "b", "m"})
        EXPECT_EQ(whole.GetString("S", key, "-"), PrivateProfileAccessor(path).GetString("S", key, "-")) << key;
}

TEST(ProfileFile_Exists, OnlyForReadableFiles) {
    TempFolder folder;
    PrivateProfileFiles disk;
    EXPECT_FALSE(disk.FileExists(folder.Path() + "none.gmp"));
    PrivateProfileAccessor(folder.Path() + "one.gmp").PutString("Setting", "ProFileName", "x");
    EXPECT_TRUE(disk.FileExists(folder.Path() + "one.gmp"));
}

}  // namespace

// A section read whole gives each key what a read of the key gives, for the
// values skin authors write: quotes, blanks, repeats, case, a bare name, a
// listing longer than the first buffer, values past the 2047-character limit.
TEST(PrivateProfileAccessor_Section, EachKeyAsItsOwnReadGivesIt) {
    TempFolder folder;
    const std::string path = folder.Path() + "skin.ini";
    std::string text =
        "[S]\r\n1=plain,1,2\r\n2 = \"quoted, with blanks\" \r\n3='single'\r\n4=\"unclosed\r\n5=\"\r\n6=\"\"\r\n"
        "7=first\r\n7=second\r\nKey=Upper\r\nbare\r\n9=\r\n10=" + std::string(3000, 'x') + "\r\n";
    for (int key = 100; key < 400; ++key) text += std::to_string(key) + "=" + std::string(60, 'v') + "\r\n";
    testsupport::WriteWholeFile(path, text + "[T]\r\n1=other\r\n");
    PrivateProfileAccessor accessor(path);
    IniSection section;
    ASSERT_TRUE(accessor.GetSection("s", section));
    for (const char* key : {"1", "2", "3", "4", "5", "6", "7", "key", "bare", "8", "9", "10", "100", "399"}) {
        const auto found = section.find(key);
        EXPECT_EQ(found == section.end() ? "<missing>" : found->second, accessor.GetString("S", key, "<missing>"))
            << key;
    }
    EXPECT_EQ(section.count("400"), 0u);
}
