// The tray menu as a user drives it: opened through the icon's callback
// message, profile 4 chosen with the arrow keys and Enter. The mouse,
// config.ini, the display program and the open Option follow the choice.
#include "OptionProgramSupport.h"

#include "profile/AppSettings.h"
#include "profile/win32/PrivateProfileAccessor.h"
#include "testing/DistFolder.h"

#include <gtest/gtest.h>

namespace {

using optiontest::OptionFolder;
using optiontest::WaitFor;

// The screen's pixels of Option's button of the slot.
std::vector<COLORREF> SlotButtonLook(const OptionFolder& folder, HWND option, int slot) {
    std::vector<COLORREF> look;
    RECT key{};
    HDC screen = GetDC(nullptr);
    if (folder.KeyRect(option, kMainSkin, kFirstSlotKey + slot, key))
        for (LONG y = key.top; y < key.bottom; ++y)
            for (LONG x = key.left; x < key.right; ++x) look.push_back(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return look;
}

TEST(TrayMenuProgram_ProfileChosen, MouseSettingsFileNoticeAndOptionFollow) {
    OptionFolder folder;
    REQUIRE_READY(folder);
    ASSERT_TRUE(
        CopyFileA((testsupport::DistFolder() + "Herald.exe").c_str(), (folder.Path() + "Herald.exe").c_str(), FALSE));
    OsdSettings display{};
    DefaultOsdSettings(display);
    display.ProfileNotice = 1;
    PrivateProfileFiles files;
    AppSettingsFile(files, folder.Path()).WriteOsdSettings(display);
    ASSERT_TRUE(folder.StartAgent());
    HWND option = folder.StartOption();
    ASSERT_NE(option, nullptr);
    OptionFolder::MovePointerAndWait(0, 0);  // the menu opens here, and no button of Option is hovered
    const auto first = SlotButtonLook(folder, option, 0), fourth = SlotButtonLook(folder, option, 3);

    PostMessageA(FindWindowA(nullptr, "TARVIK-Q7 Gaming Mouse Monitor"), 1036, 102, WM_RBUTTONUP);
    ASSERT_TRUE(WaitFor([] { return IsWindowVisible(FindWindowA("#32768", nullptr)); }));
    for (int item = 0; item < 5; ++item) testsupport::PressKey(VK_DOWN);  // Open, then profiles 1 to 4
    testsupport::PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return folder.CountTransfers(optiontest::SelectCommand(4)) == 1; }));
    EXPECT_EQ(folder.Setting("Setting", "CurrentProfile"), "3");
    char shown[64] = {};
    EXPECT_TRUE(WaitFor([&] {
        HWND notice = GetDlgItem(FindWindowA(nullptr, "Zelkor_510-7716_Gaming_Mouse_Normal_OSD"), 100);
        return GetWindowTextA(notice, shown, sizeof shown) && std::string(shown) == "Profile 4: Default4";
    })) << shown;
    // Option's buttons of profiles 1 and 4 trade looks.
    EXPECT_TRUE(WaitFor([&] {
        return SlotButtonLook(folder, option, 0) != first && SlotButtonLook(folder, option, 3) != fourth;
    }));
}

}  // namespace
