#include "profile/IniText.h"
#include "profile/MemoryIniFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

// One edit: a null key removes the section, a null value the key.
struct Edit {
    const char* section;
    const char* key;
    const char* value;
};

TEST(IniText_Edits, GiveTheBytesOfTheKeyByKeyWrites) {
    struct Row {
        const char* what;
        const char* before;
        std::vector<Edit> edits;
        const char* after;
    };
    const Row rows[] = {
        {"new file", "", {{"S", "a", "1"}, {"S", "b", "2"}, {"T", "c", "3"}, {"S", "d", "4"}},
         "[S]\r\na=1\r\nb=2\r\nd=4\r\n[T]\r\nc=3\r\n"},
        {"changed key keeps its spelling and the lines around it", "; note\n[S]\nKey = old\n\n[T]\nc=3",
         {{"s", "KEY", "new"}}, "; note\r\n[S]\r\nKey=new\r\n\r\n[T]\r\nc=3\r\n"},
        {"new key before the blank lines ending its section", "[S]\r\na=1\r\n\r\n[T]\r\n", {{"S", "b", "2"}},
         "[S]\r\na=1\r\nb=2\r\n\r\n[T]\r\n"},
        {"removals", "[S]\r\na=1\r\nb=2\r\n[T]\r\nc=3\r\n", {{"S", "a", nullptr}, {"T", nullptr, nullptr}},
         "[S]\r\nb=2\r\n"},
        {"leading blanks of a value are not written", "", {{"S", "a", " \t x "}}, "[S]\r\na=x \r\n"},
    };
    for (const Row& row : rows) {
        IniText text(row.before);
        for (const Edit& edit : row.edits) EXPECT_TRUE(text.PutString(edit.section, edit.key, edit.value));
        EXPECT_EQ(text.Bytes(), row.after) << row.what;
    }
}

TEST(IniText_Reads, AsThePrivateProfileFunctionsRead) {
    IniText text("[S]\nn = 0x10 \nempty=\nname=  Games \n[T]\nn=5\n");
    EXPECT_EQ(text.GetInt("s", "N", -1), 16);
    EXPECT_EQ(text.GetInt("S", "empty", -1), -1);
    EXPECT_EQ(text.GetInt("S", "missing", -1), -1);
    EXPECT_EQ(text.GetString("S", "name", "x"), "Games");
    const uint8_t bytes[3] = {1, 0xAB, 0xFF};
    uint8_t back[3] = {};
    ASSERT_TRUE(text.PutStruct("T", "block", bytes, sizeof bytes));
    ASSERT_TRUE(text.GetStruct("T", "block", back, sizeof back));
    EXPECT_EQ(std::vector<uint8_t>(back, back + 3), std::vector<uint8_t>(bytes, bytes + 3));
    EXPECT_FALSE(text.GetStruct("T", "block", back, 2));  // another size
}

// A lone "\r" ends a line, as it does for the platform's functions (under
// Wine: k reads "a", and a key added after it gives "k=a\r\nb\r\nm=1..." with
// the rest's blanks trimmed); the memory model of those files reads the same.
TEST(IniText_Reads, LoneCarriageReturnsEndLines) {
    const std::string bytes = "[S]\r\nk=a\rb \r\nm=1\r\n";
    MemoryIniFiles files;
    files.SetText("f", bytes);
    std::unique_ptr<IniAccessor> model = files.Open("f");
    IniText text(bytes);
    for (IniAccessor* reader : {static_cast<IniAccessor*>(&text), model.get()}) {
        EXPECT_EQ(reader->GetString("S", "k", ""), "a");
        EXPECT_EQ(reader->GetInt("S", "m", 0), 1);
    }
    text.PutString("S", "n", "2");
    EXPECT_EQ(text.Bytes(), "[S]\r\nk=a\r\nb \r\nm=1\r\nn=2\r\n");
}

}  // namespace
