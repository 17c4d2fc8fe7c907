#include "profile/MemoryIniFiles.h"
#include "profile/ProfileFile.h"
#include "profile/SettingsBlock.h"
#include "profile/StructuredValue.h"
#include "ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace {

const char kPath[] = "C:\\Program\\config\\Default0.gmp";

TEST(ProfileFields_Table, CoversEveryRecordByteOnce) {
    // Each byte of the record belongs to exactly one key, except the reserved
    // padding; two keys over the same bytes or a gap would lose data.
    std::vector<int> owners(sizeof(ProfileRecord), 0);
    for (const ProfileField& field : ProfileFieldsInWriteOrder())
        for (size_t i = 0; i < field.size; ++i) ++owners[field.offset + i];
    for (size_t i = 0; i < owners.size(); ++i) {
        bool reserved = (i >= 890 && i < 892) || (i >= 993 && i < 996);
        EXPECT_EQ(owners[i], reserved ? 0 : 1) << "byte " << i;
    }
}

TEST(ProfileFields_Order, ReadOrderMovesOnlyXYCpiFlag) {
    const auto& write = ProfileFieldsInWriteOrder();
    const auto& read = ProfileFieldsInReadOrder();
    ASSERT_EQ(write.size(), read.size());
    std::vector<std::string> writeKeys, readKeys;
    for (const auto& f : write)
        if (f.key != "XYCpiFlag") writeKeys.push_back(f.key);
    size_t timeClose = 0;
    for (size_t i = 0; i < read.size(); ++i) {
        if (read[i].key == "TimeCloseFlag") timeClose = i;
        if (read[i].key != "XYCpiFlag") readKeys.push_back(read[i].key);
    }
    EXPECT_EQ(writeKeys, readKeys);
    EXPECT_EQ(read[timeClose + 1].key, "XYCpiFlag");
}

TEST(WriteProfileFile_NewFile, KeysInWriterOrder) {
    MemoryIniFiles files;
    WriteProfileFile(*DefaultRecord(0), files, kPath);
    std::vector<std::string> expected = {
        "ProFileName", "GameFile", "DbleClickSpeed", "ScrollWheelSpeed", "ScrollWheelFlag", "MouseSpeed",
        "Acceleration", "AccelerationFlag", "TiltSpeed", "MediaOption", "HDDKeyboard", "Orientation",
        "XYSynchronous", "Sensitivity_X", "Sensitivity_Y", "XYCpiFlag", "LightIntensity", "BreathSpeed",
        "TimeCloseFlag", "CpiLevel_X0", "CpiLevel_X1", "CpiLevel_X2", "CpiLevel_X3", "CpiLevel_X4",
        "CpiLevel_Y0", "CpiLevel_Y1", "CpiLevel_Y2", "CpiLevel_Y3", "CpiLevel_Y4", "CpiStep", "dpiStepFlag0",
        "dpiStepFlag1", "dpiStepFlag2", "dpiStepFlag3", "dpiStepFlag4", "dpiIndicator0", "dpiIndicator1",
        "dpiIndicator2", "dpiIndicator3", "dpiIndicator4", "DpiIndicationType", "PollingRate", "LiftSwitch",
        "LiftLevel", "LightSwitch", "LightType", "ColorFlag", "ColorChangeMode", "BTOption", "OTGSpeed",
        "BtnConfiguration", "Color1Type", "Color2Type", "LightEffectSwitch1", "LightEffectSwitch2",
        "LightEffectType1", "LightEffectType2", "ColorOptions1", "ColorOptions2", "ColorChangeModeOptions1",
        "ColorChangeModeOptions2", "FireOrOnToGoStatusIndicatorSetting", "ProfileSwitchIndictor",
        "XuanCaiDirection", "XuanCaiSpeed", "QiSeIntensity", "QiSeSpeed", "QiSeType", "DanSeIntensity",
        "DanSeSpeed", "DanSeType", "DanSeSpecielSpeed", "XuanCaiSpecielSpeed", "QiSeSpecielSpeed",
        "NeonSpecielSpeed", "NeonSpeed", "NeonIntensity", "ClQiSeColor0", "ClQiSeColor1", "ClQiSeColor2",
        "ClQiSeColor3", "ClQiSeColor4", "ClQiSeColor5", "ClQiSeColor6",
        // ColorOptions1 and 2 already stand above: the array only rewrites their values.
        "ColorOptions0", "ColorOptions3", "ColorOptions4", "ColorOptions5", "ColorOptions6", "ColorOptions7",
        "DPIColor0", "DPIColor1", "DPIColor2", "DPIColor3", "DPIColor4"};
    for (int n = 0; n < kButtonCount; ++n) expected.push_back("MacroKeyInfo" + std::to_string(n));
    EXPECT_EQ(files.KeyOrder(kPath, "Setting"), expected);
}

TEST(WriteProfileFile_Values, EncodedAsStored) {
    MemoryIniFiles files;
    auto record = DefaultRecord(2);
    record->dpiIndicator[1] = 200;  // a byte above 127 is written unsigned
    record->LiftLevel = -7;
    WriteProfileFile(*record, files, kPath);
    struct Row { const char* key; const char* value; } rows[] = {
        {"ProFileName", "Default3"},
        {"GameFile", ""},
        {"DbleClickSpeed", "550"},
        {"dpiIndicator1", "200"},
        {"LiftLevel", "-7"},
        {"DPIColor0", "255"},          // 0x0000FF
        {"ClQiSeColor6", "16777215"},  // 0xFFFFFF
        {"ColorOptions2", "3"},        // the array element, not the byte field's 1
    };
    for (const Row& row : rows) {
        std::string value;
        ASSERT_TRUE(files.GetValue(kPath, "Setting", row.key, value)) << row.key;
        EXPECT_EQ(value, row.value) << row.key;
    }
    std::string entry;
    ASSERT_TRUE(files.GetValue(kPath, "Setting", "MacroKeyInfo6", entry));
    EXPECT_EQ(entry.size(), 922u);
    EXPECT_EQ(entry.substr(0, 4), "0656");  // index 6, function code 86
}

TEST(ReadProfileFile_Defaults, RoundTripExceptColorOptionOverlap) {
    MemoryIniFiles files;
    auto written = DefaultRecord(3);
    WriteProfileFile(*written, files, kPath);
    auto read = std::make_unique<ProfileRecord>();
    memset(read.get(), 0xCC, sizeof *read);
    ReadProfileFile(*read, files, kPath);
    EXPECT_EQ(read->ColorOptions1, 1);  // low byte of ColorOptions[1] = 1
    EXPECT_EQ(read->ColorOptions2, 3);  // low byte of ColorOptions[2] = 3, not the default 1
    written->ColorOptions2 = 3;
    EXPECT_EQ(FirstDifference(*written, *read), "");
}

TEST(ReadProfileFile_VariedRecords, RoundTrip) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        MemoryIniFiles files;
        auto written = std::make_unique<ProfileRecord>();
        FillWithVariedValues(*written, seed);
        WriteProfileFile(*written, files, kPath);
        auto read = std::make_unique<ProfileRecord>();
        ReadProfileFile(*read, files, kPath);
        EXPECT_EQ(FirstDifference(*written, *read), "") << "seed " << seed;
    }
}

TEST(ReadProfileFile_OnlyName, MissingKeysReadAsMinusOne) {
    MemoryIniFiles files;
    files.SetValue(kPath, "Setting", "ProFileName", "Test");
    auto record = DefaultRecord(0);
    strcpy(record->GameFile, "C:\\game.exe");
    ReadProfileFile(*record, files, kPath);
    EXPECT_STREQ(record->ProFileName, "Test");
    EXPECT_STREQ(record->GameFile, "");
    const auto* bytes = reinterpret_cast<const uint8_t*>(record.get());
    for (const ProfileField& field : ProfileFieldsInWriteOrder()) {
        int32_t value = 0;
        if (field.kind == FieldKind::Integer) {
            memcpy(&value, bytes + field.offset, 4);
            EXPECT_EQ(value, -1) << field.key;
        } else if (field.kind == FieldKind::Byte) {
            EXPECT_EQ(bytes[field.offset], 255) << field.key;
        }
    }
    // Missing entries take their position's default.
    EXPECT_EQ(record->MacroKeyInfo[6].FunctionCode, 86);
    EXPECT_EQ(record->MacroKeyInfo[15].ButtonIndex, 15);
}

TEST(ReadProfileFile_DamagedEntry, TakesTheDefaultEntryAndReadsTheRest) {
    MemoryIniFiles files;
    auto written = DefaultRecord(0);
    written->MacroKeyInfo[4].FunctionCode = 16;
    written->MacroKeyInfo[5].FunctionCode = 17;
    WriteProfileFile(*written, files, kPath);
    std::string value;
    ASSERT_TRUE(files.GetValue(kPath, "Setting", "MacroKeyInfo4", value));
    value[10] = value[10] == '0' ? '1' : '0';  // one digit changed: checksum fails
    files.SetValue(kPath, "Setting", "MacroKeyInfo4", value);

    auto read = DefaultRecord(0);
    read->MacroKeyInfo[4].FunctionCode = 16;
    ReadProfileFile(*read, files, kPath);
    EXPECT_EQ(read->MacroKeyInfo[4].FunctionCode, 8);  // position 4's default, not what the record held
    EXPECT_EQ(read->MacroKeyInfo[5].FunctionCode, 17);
}

TEST(ReadProfileFile_LongTexts, AreCutToTheirFields) {
    MemoryIniFiles files;
    files.SetValue(kPath, "Setting", "ProFileName", std::string(600, 'n'));
    files.SetValue(kPath, "Setting", "GameFile", std::string(1500, 'g'));
    auto record = DefaultRecord(0);
    ReadProfileFile(*record, files, kPath);
    EXPECT_EQ(strlen(record->ProFileName), 249u);
    EXPECT_EQ(strlen(record->GameFile), 501u);
    EXPECT_EQ(record->DbleClickSpeed, -1);  // the next field is intact (missing key)
}

TEST(WriteProfileFile_UnterminatedText, IsCutToItsField) {
    MemoryIniFiles files;
    auto record = DefaultRecord(0);
    memset(record->ProFileName, 'x', sizeof record->ProFileName);  // no terminator
    WriteProfileFile(*record, files, kPath);
    std::string value;
    ASSERT_TRUE(files.GetValue(kPath, "Setting", "ProFileName", value));
    EXPECT_EQ(value, std::string(250, 'x'));
}

TEST(WriteProfileFile_ExistingFile, KeepsForeignKeysAndOrder) {
    MemoryIniFiles files;
    files.SetValue(kPath, "Setting", "MacroKeyInfo0", "stale");
    files.SetValue(kPath, "Setting", "Comment", "kept");
    WriteProfileFile(*DefaultRecord(0), files, kPath);
    auto order = files.KeyOrder(kPath, "Setting");
    EXPECT_EQ(order[0], "MacroKeyInfo0");
    EXPECT_EQ(order[1], "Comment");
    auto read = std::make_unique<ProfileRecord>();
    ReadProfileFile(*read, files, kPath);
    EXPECT_EQ(read->MacroKeyInfo[0].FunctionCode, 1);
}

TEST(SlotProfilePath_Slots, UseTheSlotNumberItself) {
    EXPECT_EQ(SlotProfilePath("C:\\Mouse\\", 0), "C:\\Mouse\\config\\Default0.gmp");
    EXPECT_EQ(SlotProfilePath("C:\\Mouse\\", 4), "C:\\Mouse\\config\\Default4.gmp");
}

TEST(StructuredValue_Encode, UpperCaseHexAndChecksum) {
    const uint8_t bytes[] = {0x01, 0xAB, 0xFF};
    EXPECT_EQ(EncodeStructuredValue(bytes, 3), "01ABFFAB");  // (1 + 0xAB + 0xFF) & 0xFF = 0xAB
    EXPECT_EQ(EncodeStructuredValue(bytes, 0), "00");
}

TEST(StructuredValue_Decode, AcceptsOnlyExactValues) {
    struct Row { const char* text; bool ok; } rows[] = {
        {"01ABFFAB", true},
        {"01abffab", true},    // lower-case digits are hexadecimal too
        {"01ABFFAC", false},   // checksum off by one
        {"01ABFEAB", false},   // one data digit changed
        {"01ABFF", false},     // too short
        {"01ABFFAB00", false}, // too long
        {"01ABFGAB", false},   // not a hexadecimal digit
        {"", false},
    };
    for (const Row& row : rows) {
        uint8_t buffer[3] = {0x55, 0x55, 0x55};
        EXPECT_EQ(DecodeStructuredValue(row.text, buffer, 3), row.ok) << row.text;
        if (row.ok) {
            EXPECT_EQ(buffer[1], 0xAB);
        } else {
            EXPECT_EQ(buffer[0], 0x55) << "buffer untouched on failure: " << row.text;
        }
    }
}

TEST(ParseProfileInt_Texts, ParseLikeThePlatform) {
    struct Row { const char* text; int32_t value; } rows[] = {
        {"42", 42}, {"-1", -1}, {"  7", 7}, {"+5", 5}, {"12abc", 12}, {"abc", 0},
        {"0x1F", 31}, {"4294967295", -1}, {"-2147483648", INT32_MIN},
    };
    for (const Row& row : rows) EXPECT_EQ(ParseProfileInt(row.text), row.value) << row.text;
}

}  // namespace
