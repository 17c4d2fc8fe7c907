#include "skin/core/LookCrop.h"
#include "skin/core/SkinFile.h"

#include "profile/MemoryIniFiles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr char kPath[] = "C:\\Program\\skins\\skin_main.ini";

TEST(SkinFile_ReadScreenImages, ReadsAllFiveNamesCaseInsensitively) {
    MemoryIniFiles files;
    files.SetValue(kPath, "screen", "MASK", "mask.bmp");
    files.SetValue(kPath, "SCREEN", "Normal", "normal.jpg");
    files.SetValue(kPath, "SCREEN", "over", "over.jpg");
    files.SetValue(kPath, "SCREEN", "Down", "down.jpg");
    SkinFile skin(files);
    skin.Open(kPath);
    const SkinScreenImages images = skin.ReadScreenImages();
    EXPECT_EQ(images.mask, "mask.bmp");
    EXPECT_EQ(images.State(SkinState::Normal), "normal.jpg");
    EXPECT_EQ(images.State(SkinState::Over), "over.jpg");
    EXPECT_EQ(images.State(SkinState::Down), "down.jpg");
    // Missing key: empty name, and no path for the loader to open.
    EXPECT_EQ(images.State(SkinState::Disable), "");
    EXPECT_EQ(SkinImagePath("C:\\Program\\skins\\", images.State(SkinState::Disable)), "");
    EXPECT_EQ(SkinImagePath("C:\\Program\\skins\\", images.mask), "C:\\Program\\skins\\mask.bmp");
}

TEST(SkinFile_ReadButtonEntry, ParsesPresentKeysAndGivesEmptyRectForMissing) {
    MemoryIniFiles files;
    files.SetValue(kPath, "BUTTONPOS", "3", "ok,10,20,60,25, Confirm ");
    SkinFile skin(files);
    skin.Open(kPath);
    const ButtonEntry present = skin.ReadButtonEntry(3);
    EXPECT_EQ(present.rect, (SkinRect{10, 20, 70, 45}));
    EXPECT_EQ(present.hint, "Confirm");
    const ButtonEntry missing = skin.ReadButtonEntry(4);
    EXPECT_TRUE(RectIsEmpty(missing.rect));
    EXPECT_EQ(missing.rect, (SkinRect{0, 0, 0, 0}));
}

TEST(SkinFile_MissingFile, ReadsDefaults) {
    MemoryIniFiles files;
    SkinFile skin(files);
    skin.Open("C:\\nowhere\\skin.ini");
    EXPECT_EQ(skin.ReadString("SCREEN", "Normal", "fallback"), "fallback");
    EXPECT_EQ(skin.ReadInt("SCREEN", "Width", 42), 42);
    SkinFile unopened(files);
    EXPECT_EQ(unopened.ReadString("SCREEN", "Normal"), "");
    EXPECT_FALSE(unopened.WriteInt("SCREEN", "Width", 1));
}

TEST(SkinFile_Writes, RoundTripThroughTheFile) {
    MemoryIniFiles files;
    SkinFile skin(files);
    skin.Open(kPath);
    EXPECT_TRUE(skin.WriteInt("Settings", "Count", -17));
    std::string stored;
    ASSERT_TRUE(files.GetValue(kPath, "Settings", "Count", stored));
    EXPECT_EQ(stored, "-17");
    EXPECT_EQ(skin.ReadInt("settings", "count", 0), -17);
    EXPECT_TRUE(skin.WriteString("Settings", "Name", "dark"));
    EXPECT_EQ(skin.ReadString("Settings", "Name"), "dark");

    const uint8_t bytes[5] = {1, 2, 3, 0xFE, 0xFF};
    EXPECT_TRUE(skin.WriteStruct("Settings", "Block", bytes, sizeof bytes));
    uint8_t back[5] = {};
    EXPECT_TRUE(skin.ReadStruct("Settings", "Block", back, sizeof back));
    EXPECT_EQ(std::memcmp(bytes, back, sizeof bytes), 0);
    // A size that does not match the stored block is refused.
    uint8_t wrong[4] = {};
    EXPECT_FALSE(skin.ReadStruct("Settings", "Block", wrong, sizeof wrong));
}

TEST(SkinFolderOf, AppendsSkinsToTheProgramFolder) {
    EXPECT_EQ(SkinFolderOf("C:\\Games\\Mouse\\"), "C:\\Games\\Mouse\\skins\\");
    EXPECT_EQ(SkinFolderOf("C:\\Games\\Mouse"), "C:\\Games\\Mouse\\skins\\");
}

TEST(LookCropsOf, CutsTheSameRectangleFromEachStateImage) {
    const auto crops = LookCropsOf({281, 172, 311, 192});
    const SkinState order[] = {SkinState::Normal, SkinState::Over, SkinState::Down, SkinState::Disable};
    for (size_t i = 0; i < kSkinStateCount; ++i) {
        EXPECT_EQ(crops[i].state, order[i]);
        EXPECT_EQ(crops[i].sourceX, 281);
        EXPECT_EQ(crops[i].sourceY, 172);
        EXPECT_EQ(crops[i].width, 30);
        EXPECT_EQ(crops[i].height, 20);
        EXPECT_FALSE(crops[i].IsEmpty());
    }
    // An inverted rectangle (bad skin entry) gives no bitmap rather than a negative size.
    const LookCrop inverted = CropOf(SkinState::Over, {50, 50, 40, 60});
    EXPECT_EQ(inverted.width, 0);
    EXPECT_EQ(inverted.height, 10);
    EXPECT_TRUE(inverted.IsEmpty());
}

}  // namespace
