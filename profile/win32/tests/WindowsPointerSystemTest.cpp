#include "TestRegistry.h"

#include "profile/PointerSettings.h"
#include "profile/win32/WindowsPointerSystem.h"
#include "../../tests/ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The setting-change notices the own window received (wParam, and for
// SPI_SETMOUSE the three integers lParam pointed at).
struct Notice {
    WPARAM wParam;
    std::vector<int> values;
};
std::vector<Notice> g_notices;

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTINGCHANGE) {
        Notice notice{wParam, {}};
        if (wParam == SPI_SETMOUSE && lParam) {
            const int* values = reinterpret_cast<const int*>(lParam);
            notice.values.assign(values, values + 3);
        }
        g_notices.push_back(notice);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A hidden window for the notices, destroyed at the end of the test.
class NoticeWindow {
public:
    NoticeWindow() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = RecordingProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "PointerNoticeTestWindow";
        RegisterClassA(&windowClass);
        m_window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                   windowClass.hInstance, nullptr);
    }
    ~NoticeWindow() { DestroyWindow(m_window); }
    HWND Handle() const { return m_window; }

private:
    HWND m_window;
};

// The system's current pointer values, put back at the end.
class SystemPointerValues {
public:
    SystemPointerValues() {
        m_doubleClick = GetDoubleClickTime();
        SystemParametersInfoA(SPI_GETMOUSE, 0, m_mouse, 0);
        SystemParametersInfoA(SPI_GETMOUSESPEED, 0, &m_speed, 0);
        SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &m_lines, 0);
    }
    ~SystemPointerValues() {
        SetDoubleClickTime(m_doubleClick);
        SystemParametersInfoA(SPI_SETMOUSE, 0, m_mouse, 0);
        SystemParametersInfoA(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<intptr_t>(m_speed)), 0);
        SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, m_lines, nullptr, 0);
    }

private:
    UINT m_doubleClick = 0;
    int m_mouse[3] = {0, 0, 0};
    int m_speed = 0;
    UINT m_lines = 0;
};

TEST(ApplyPointerSettings_Windows, SetsSystemAndTellsOwnWindow) {
    SystemPointerValues restore;
    TestRegistryKey base;
    RedirectedRegistry registry(base);
    auto record = DefaultRecord();
    record->DbleClickSpeed = 620;
    record->MouseSpeed = 12;
    record->AccelerationFlag = 1;
    record->Acceleration = 12;
    record->ScrollWheelSpeed = 6;
    ASSERT_EQ(WritePointerSettings(*record, registry), 1);  // row 12: 2, 4, 12

    NoticeWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    g_notices.clear();
    WindowsPointerSystem system(window.Handle());
    ApplyPointerSettings(*record, registry, system);

    ASSERT_EQ(g_notices.size(), 2u);
    EXPECT_EQ(g_notices[0].wParam, static_cast<WPARAM>(SPI_SETMOUSE));
    EXPECT_EQ(g_notices[0].values, (std::vector<int>{4, 12, 2}));
    EXPECT_EQ(g_notices[1].wParam, static_cast<WPARAM>(SPI_SETMOUSESPEED));

    EXPECT_EQ(GetDoubleClickTime(), 620u);
    int mouse[3] = {-1, -1, -1};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETMOUSE, 0, mouse, 0));
    EXPECT_EQ(std::vector<int>(mouse, mouse + 3), (std::vector<int>{4, 12, 2}));
    // SPI_GETMOUSESPEED is not checked: Wine 8 reads back 0 after any
    // SPI_SETMOUSESPEED; its arguments are covered by the portable tests.
    UINT lines = 0;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    EXPECT_EQ(lines, 6u);
}

TEST(ApplyPointerSettings_WindowsAccelerationOff, ResetsRegistryAndSystem) {
    SystemPointerValues restore;
    TestRegistryKey base;
    RedirectedRegistry registry(base);
    {
        auto key = registry.OpenKey(kMouseKeyPath);
        ASSERT_NE(key, nullptr);
        key->WriteText(kMouseSpeedValue, "1");
        key->WriteText(kMouseThreshold1Value, "6");
        key->WriteText(kMouseThreshold2Value, "0");
    }
    auto record = DefaultRecord();
    record->AccelerationFlag = 0;
    record->Acceleration = 8;
    record->ScrollWheelFlag = 1;

    WindowsPointerSystem system(nullptr);  // no own window: the notices are skipped
    ApplyPointerSettings(*record, registry, system);
    EXPECT_EQ(record->Acceleration, 0);
    std::string mouse = registry.SubkeyOf(kMouseKeyPath);
    for (const char* name : {"MouseSpeed", "MouseThreshold1", "MouseThreshold2"})
        EXPECT_EQ(StoredRegistryText(HKEY_CURRENT_USER, mouse, name), "0") << name;
    int values[3] = {-1, -1, -1};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETMOUSE, 0, values, 0));
    EXPECT_EQ(std::vector<int>(values, values + 3), (std::vector<int>{0, 0, 0}));
    UINT lines = 0;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    EXPECT_EQ(lines, WHEEL_PAGESCROLL);
}

}  // namespace
