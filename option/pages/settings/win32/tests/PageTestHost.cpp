#include "option/pages/settings/win32/tests/PageTestHost.h"

#include <cstdio>
#include <functional>
#include <cstdlib>
#include <vector>

#include "skin/win32/SkinConstants.h"
#include "skin/win32/WindowSkin.h"
#include "testing/DistFolder.h"
#include "testing/MessagePump.h"
#include "testing/PointerInput.h"

namespace {

constexpr char kFrameClass[] = "SettingsPageTestFrame";
// The frame's size and the page's place in it (left, top, width, height),
// as the main window lays them out.
constexpr int kFrameSize[] = {660, 440};
constexpr int kPagePlace[] = {10, 10, 640, 420};
constexpr char kStringLibrary[] = "strtab.dll";
constexpr int kDragSteps = 8;
constexpr int kTextBuffer = 512;

void MovePointer(POINT screen) {
    testsupport::MovePointerTo(screen);
    testsupport::PumpPending();
}

}  // namespace

TestOptionHost::TestOptionHost() : m_programFolder(testsupport::DistFolder()) {
    ResetProfileSet(m_block);
    m_strings = LoadLibraryExA((m_programFolder + kStringLibrary).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    SetSkinFolder(SkinFolder());
}

TestOptionHost::~TestOptionHost() {
    if (m_strings) FreeLibrary(m_strings);
}

std::string TestOptionHost::Text(unsigned stringId) const {
    char text[kTextBuffer] = "";
    if (!m_strings || LoadStringA(m_strings, stringId, text, sizeof text) <= 0) return {};
    return text;
}

MacroList& TestOptionHost::Macros() { std::abort(); }

void SettingsPageTest::SetUp() {
    ASSERT_TRUE(m_frame.Create(kFrameSize[0], kFrameSize[1]));
    m_host.SetMainWindow(m_frame.Handle());
    ASSERT_TRUE(Page().CreatePage(m_host, m_frame.Handle(), kPagePlace[0], kPagePlace[1], kPagePlace[2],
                                  kPagePlace[3]));
    ShowWindow(Page().Handle(), SW_SHOW);
    SetForegroundWindow(m_frame.Handle());
    UpdateWindow(m_frame.Handle());
    testsupport::PumpPending();
}

void SettingsPageTest::TearDown() {
    DestroyWindow(m_frame.Handle());
    testsupport::PumpPending();
}

bool PageFrame::Create(int width, int height) {
    return Window::Create(kFrameClass, "Settings page test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                          WS_EX_CONTROLPARENT, 0, 0, width, height, nullptr, nullptr, 0,
                          GetSysColorBrush(COLOR_WINDOW));
}

void ClickAt(POINT screen) {
    MovePointer(screen);
    testsupport::SendClickAt(screen);
    testsupport::PumpPending();
}

namespace {

std::function<void(HWND)> g_modalAction;
constexpr UINT kModalPollMs = 50;
constexpr char kDialogClass[] = "FrameDialog";

void CALLBACK ActInModalLoop(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA(kDialogClass, nullptr);
    if (!dialog || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, timer);
    auto action = std::move(g_modalAction);
    g_modalAction = nullptr;
    if (action) action(dialog);
}

}  // namespace

void WhenDialogOpens(std::function<void(HWND dialog)> action) {
    g_modalAction = std::move(action);
    SetTimer(nullptr, 0, kModalPollMs, ActInModalLoop);
}

void DragFromTo(POINT from, POINT to) {
    MovePointer(from);
    testsupport::SendLeftButtonAt(from, true);
    testsupport::PumpPending();
    for (int step = 1; step <= kDragSteps; ++step)
        MovePointer(POINT{from.x + (to.x - from.x) * step / kDragSteps, from.y + (to.y - from.y) * step / kDragSteps});
    testsupport::SendLeftButtonAt(to, false);
    testsupport::PumpPending();
}

RECT SkinRectangle(const std::string& skinFile, int key) {
    char entry[kTextBuffer] = "";
    const std::string path = testsupport::DistFolder() + "skins\\" + skinFile;
    GetPrivateProfileStringA("BUTTONPOS", std::to_string(key).c_str(), "", entry, sizeof entry, path.c_str());
    char name[kTextBuffer] = "";
    int x = 0, y = 0, width = 0, height = 0;
    if (std::sscanf(entry, "%[^,],%d,%d,%d,%d", name, &x, &y, &width, &height) != 5) return RECT{};
    return RECT{x, y, x + width, y + height};
}

POINT ScreenCentre(HWND window, const RECT& rectangle) {
    POINT point{(rectangle.left + rectangle.right) / 2, (rectangle.top + rectangle.bottom) / 2};
    ClientToScreen(window, &point);
    return point;
}

void ClickKey(HWND window, const std::string& skinFile, int key) {
    ClickAt(ScreenCentre(window, SkinRectangle(skinFile, key)));
}

void ClickUpArrow(HWND window, const std::string& skinFile, int key) {
    const RECT box = SkinRectangle(skinFile, key);
    const int side = (box.bottom - box.top) / 2;
    ClickAt(ScreenCentre(window, RECT{box.right - side, box.top, box.right, box.top + side}));
}

void ClickColourField(HWND dialog, int x, int y) {
    const RECT field = SkinRectangle(kColourSkin, 1);
    ClickAt(ScreenCentre(dialog, RECT{field.left + x, field.top + y, field.left + x + 1, field.top + y + 1}));
}

HWND SliderThumb(HWND window, const std::string& skinFile, int key) {
    HWND trackWindow = WindowFromPoint(ScreenCentre(window, SkinRectangle(skinFile, key)));
    char className[kTextBuffer] = "";
    GetClassNameA(trackWindow, className, sizeof className);
    // The thumb itself may sit at the track's centre.
    if (std::string(className) == kSliderThumbClass) trackWindow = GetParent(trackWindow);
    return FindWindowExA(trackWindow, nullptr, kSliderThumbClass, nullptr);
}

void DragSliderTo(HWND window, const std::string& skinFile, int key, int minimum, int maximum, int value) {
    const RECT track = SkinRectangle(skinFile, key);
    HWND thumb = SliderThumb(window, skinFile, key);
    if (!thumb) return;
    RECT thumbPlace{};
    GetWindowRect(thumb, &thumbPlace);
    POINT trackOrigin{track.left, track.top};
    ClientToScreen(window, &trackOrigin);
    const int thumbWidth = thumbPlace.right - thumbPlace.left;
    const int usable = (track.right - track.left) - thumbWidth;
    const int targetLeft = trackOrigin.x + usable * (value - minimum) / (maximum - minimum);
    const POINT from{thumbPlace.left + thumbWidth / 2, (thumbPlace.top + thumbPlace.bottom) / 2};
    DragFromTo(from, POINT{from.x + targetLeft - thumbPlace.left, from.y});
}
