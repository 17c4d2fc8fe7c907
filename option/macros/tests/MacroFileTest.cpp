// The macro file and the export files: bytes written, records read back,
// what is rejected, and that a failed save leaves the previous file whole.
#include <gtest/gtest.h>

#include "option/macros/MacroList.h"
#include "option/macros/MemoryIniFileStore.h"
#include "option/macros/tests/MacroTestSupport.h"
#include "profile/StructuredValue.h"

namespace {

const std::string kFolder = "C:\\Mouse\\";
const std::string kMacroFile = "C:\\Mouse\\config\\sequence.dat";

std::string Zeros(size_t hexDigits) { return std::string(hexDigits, '0'); }

// "Ab", repeat 3, A pressed (20 ms pause) and released: 199 = 0xC7 is the
// byte sum 0x41 + 0x62 + 3 + 2 + 4 + 1 + 0x14 + 4 + 2.
const MacroRecord kAb = MakeMacro("Ab", 3, {{4, 1, 20}, {4, 2, 0}});
const std::string kAbValue = "4162" + Zeros(100) + "03000000" + "02000000" + "04011400" + "04020000" + Zeros(304) + "C7";
// "x", repeat 0, no events; 0x78 = 120.
const MacroRecord kEmpty = MakeMacro("x", 0, {});
const std::string kEmptyValue = "78" + Zeros(102) + "00000000" + "00000000" + Zeros(320) + "78";
// Mouse button 240 pressed with pause 0x1234, and key 0xE7 released.
const MacroRecord kMouse = MakeMacro("m", 255, {{240, 1, 0x1234}, {0xE7, 2, 0xFFFF}});
// 0x6D + 0xFF + 2 + 0xF0 + 1 + 0x34 + 0x12 + 0xE7 + 2 + 0xFF + 0xFF = 1420 = 0x58C.
const std::string kMouseValue =
    "6D" + Zeros(102) + "FF000000" + "02000000" + "F0013412" + "E702FFFF" + Zeros(304) + "8C";

TEST(MacroFile, Save_WritesTheBytesOfTheMacroFile) {
    struct Case {
        std::vector<MacroRecord> records;
        std::string text;
    };
    const Case cases[] = {
        // An empty list still writes its count.
        {{}, "[Macros]\nnumber=0\n"},
        // One macro with two key events.
        {{kAb}, "[Macros]\nnumber=1\n0=" + kAbValue + "\n"},
        // A macro without events is stored like any other; keys in list order.
        {{kAb, kEmpty, kMouse}, "[Macros]\nnumber=3\n0=" + kAbValue + "\n1=" + kEmptyValue + "\n2=" + kMouseValue + "\n"},
    };
    for (const Case& c : cases) {
        MemoryIniFileStore store;
        MacroList list(store, kFolder);
        for (const MacroRecord& record : c.records) list.Append(record);
        ASSERT_TRUE(list.Save());
        EXPECT_EQ(store.Text(kMacroFile), c.text);
        EXPECT_FALSE(store.FileExists(TemporaryFileFor(kMacroFile)));
    }
    EXPECT_EQ(kAbValue.size(), 442u);
}

// Neither a key of the old file nor one of a leftover temporary file survives.
TEST(MacroFile, Save_ReplacesEveryKeyOfTheOldFile) {
    MemoryIniFileStore store;
    store.SetValue(kMacroFile, "Macros", "number", "3");
    store.SetValue(kMacroFile, "Macros", "2", kMouseValue);
    store.SetValue(kMacroFile, "Other", "key", "value");
    store.SetValue(TemporaryFileFor(kMacroFile), "Macros", "5", kMouseValue);
    MacroList list(store, kFolder);
    list.Append(kAb);
    ASSERT_TRUE(list.Save());
    EXPECT_EQ(store.Text(kMacroFile), "[Macros]\nnumber=1\n0=" + kAbValue + "\n");
}

TEST(MacroFile, Load_TakesReadableRecordsInOrder) {
    struct Case {
        const char* number;                                     // null: no count key
        std::vector<std::pair<std::string, std::string>> keys;  // key, value
        std::vector<std::string> names;                         // loaded, in order
    };
    const std::string damagedChecksum = kAbValue.substr(0, 440) + "C8";
    const Case cases[] = {
        // Three stored records.
        {"3", {{"0", kAbValue}, {"1", kEmptyValue}, {"2", kMouseValue}}, {"Ab", "x", "m"}},
        // No count key reads as -1: nothing.
        {nullptr, {{"0", kAbValue}}, {}},
        // A negative count loads nothing.
        {"-5", {{"0", kAbValue}}, {}},
        // The count stops before later keys.
        {"1", {{"0", kAbValue}, {"1", kEmptyValue}}, {"Ab"}},
        // Keys missing below the count are left out.
        {"3", {{"0", kAbValue}, {"2", kMouseValue}}, {"Ab", "m"}},
        // A wrong checksum and a short value are rejected, not loaded half.
        {"3", {{"0", damagedChecksum}, {"1", kEmptyValue.substr(2)}, {"2", kMouseValue}}, {"m"}},
    };
    for (const Case& c : cases) {
        MemoryIniFileStore store;
        if (c.number) store.SetValue(kMacroFile, "Macros", "number", c.number);
        for (const auto& key : c.keys) store.SetValue(kMacroFile, "Macros", key.first, key.second);
        MacroList list(store, kFolder);
        list.Append(kAb);  // replaced by the load
        list.Load();
        std::vector<std::string> names;
        for (size_t i = 0; i < list.Count(); ++i) names.push_back(MacroName(list.At(i)));
        EXPECT_EQ(names, c.names) << (c.number ? c.number : "no count");
    }
}

TEST(MacroFile, Load_MissingFileGivesAnEmptyList) {
    MemoryIniFileStore store;
    MacroList list(store, kFolder);
    list.Append(kAb);
    list.Load();
    EXPECT_EQ(list.Count(), 0u);
}

TEST(MacroFile, SaveAndLoad_KeepEveryByteOfTheRecords) {
    MemoryIniFileStore store;
    MacroList list(store, kFolder);
    MacroRecord full = MakeMacro("full", 7, {});
    full.EventCount = 40;
    for (int i = 0; i < 40; ++i) full.Events[i] = MacroEvent{uint8_t(4 + i), uint8_t(1 + i % 2), uint16_t(i * 1000)};
    for (const MacroRecord& record : {kAb, kEmpty, full}) list.Append(record);
    ASSERT_TRUE(list.Save());
    MacroList again(store, kFolder);
    again.Load();
    ASSERT_EQ(again.Count(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(memcmp(&again.At(i), &list.At(i), sizeof(MacroRecord)), 0) << i;
    // The macro without events is listed with its name.
    EXPECT_EQ(MacroName(again.At(1)), "x");
    EXPECT_EQ(again.At(1).EventCount, 0);
}

TEST(MacroFile, FailedSave_LeavesThePreviousFileWhole) {
    const std::string previous = "[Macros]\nnumber=1\n0=" + kMouseValue + "\n";
    struct Case {
        const char* fault;
        void (*plant)(MemoryIniFileStore&);
    };
    const Case cases[] = {
        // Writing the new file fails half-way.
        {"write", [](MemoryIniFileStore& store) { store.FailWritesTo(TemporaryFileFor(kMacroFile)); }},
        // The new file is written but cannot take the old one's place.
        {"replace", [](MemoryIniFileStore& store) { store.FailNextReplace(); }},
    };
    for (const Case& c : cases) {
        MemoryIniFileStore store;
        store.SetValue(kMacroFile, "Macros", "number", "1");
        store.SetValue(kMacroFile, "Macros", "0", kMouseValue);
        MacroList list(store, kFolder);
        list.Append(kAb);
        list.Append(kEmpty);
        c.plant(store);
        EXPECT_FALSE(list.Save()) << c.fault;
        EXPECT_EQ(store.Text(kMacroFile), previous) << c.fault;
        EXPECT_FALSE(store.FileExists(TemporaryFileFor(kMacroFile))) << c.fault;
    }
}

TEST(MacroExport, WritesOnlyKeyZero_OverAnExistingFile) {
    const std::string path = "C:\\out\\mine.macro";
    MemoryIniFileStore store;
    store.SetValue(path, "Macros", "number", "4");
    store.SetValue(path, "Macros", "0", kEmptyValue);
    store.SetValue(path, "Old", "key", "1");
    MacroList list(store, kFolder);
    list.Append(kEmpty);
    list.Append(kAb);
    ASSERT_TRUE(list.Export(1, path));
    EXPECT_EQ(store.Text(path), "[Macros]\n0=" + kAbValue + "\n");
    // No macro at that position: the existing file stays as it was.
    EXPECT_FALSE(list.Export(2, path));
    EXPECT_EQ(store.Text(path), "[Macros]\n0=" + kAbValue + "\n");
}

TEST(MacroImport, RenamesTakenNamesAndRejectsUnreadableFiles) {
    const std::string path = "C:\\in\\a.macro";
    struct Step {
        std::string value;  // key 0 of the file; empty: no file
        int position;       // returned
        const char* name;   // the new macro's name
    };
    MacroRecord longName = kAb;
    SetMacroName(longName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const std::string longValue = EncodeStructuredValue(&longName, sizeof longName);
    const Step steps[] = {
        // The list holds "Ab" already: the import becomes "Ab1", then "Ab2".
        {kAbValue, 1, "Ab1"},
        {kAbValue, 2, "Ab2"},
        // A name not in the list stays.
        {kMouseValue, 3, "m"},
        // Names are cut to the editor's 15 characters.
        {longValue, 4, "ABCDEFGHIJKLMNO"},
        // A second long name becomes the cut name with 1 appended.
        {longValue, 5, "ABCDEFGHIJKLMNO1"},
        // A damaged value adds nothing.
        {kAbValue.substr(0, 440) + "00", -1, nullptr},
        // No file: nothing.
        {"", -1, nullptr},
    };
    MemoryIniFileStore store;
    MacroList list(store, kFolder);
    list.Append(kAb);
    for (const Step& step : steps) {
        store.RemoveFile(path);
        if (!step.value.empty()) store.SetValue(path, "Macros", "0", step.value);
        size_t before = list.Count();
        ASSERT_EQ(list.Import(path), step.position) << step.value.substr(0, 8);
        if (step.position < 0) {
            EXPECT_EQ(list.Count(), before);
            continue;
        }
        const MacroRecord& added = list.At(static_cast<size_t>(step.position));
        EXPECT_EQ(MacroName(added), step.name);
        // The rest of the name field is zero.
        for (size_t i = strlen(step.name); i < kMacroNameSize; ++i) EXPECT_EQ(added.Name[i], 0) << i;
    }
    EXPECT_EQ(list.At(1).RepeatCount, 3);
    EXPECT_EQ(memcmp(list.At(1).Events, kAb.Events, sizeof kAb.Events), 0);
}

}  // namespace
