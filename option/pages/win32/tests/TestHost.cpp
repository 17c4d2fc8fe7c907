#include "option/pages/win32/tests/TestHost.h"

#include "skin/core/SkinMessages.h"
#include "skin/win32/SkinPopupMenu.h"
#include "testing/DistFolder.h"

namespace {
constexpr char kHostClass[] = "PageTestHost";
constexpr char kHostTitle[] = "Page Test Host";
constexpr int kHostLeft = 40;
constexpr int kHostTop = 40;
constexpr int kHostWidth = 580;
constexpr int kHostHeight = 340;
constexpr int kPageLeft = 20;
constexpr int kPageTop = 20;
}  // namespace

TestHost::TestHost(const std::string& programFolder)
    : m_programFolder(programFolder), m_block(std::make_unique<SettingsBlock>()), m_macros(m_store, programFolder) {
    ResetProfileSet(*m_block);
    m_texts = LoadLibraryA((testsupport::DistFolder() + "strtab.dll").c_str());
}

TestHost::~TestHost() {
    Destroy();
    if (m_texts) FreeLibrary(m_texts);
}

bool TestHost::Create(ConfigPage& page) {
    m_page = &page;
    if (!Window::Create(kHostClass, kHostTitle, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, kHostLeft, kHostTop,
                        kHostWidth, kHostHeight, nullptr, nullptr, 0, CreateSolidBrush(RGB(20, 20, 20))))
        return false;
    if (!page.CreatePage(*this, Handle(), kPageLeft, kPageTop, kHostWidth - 2 * kPageLeft, kHostHeight - 2 * kPageTop))
        return false;
    ShowWindow(static_cast<HWND>(page.PageWindow()), SW_SHOW);
    SetForegroundWindow(Handle());
    return true;
}

std::string TestHost::SkinFolder() const { return testsupport::DistFolder() + "skins\\"; }

std::string TestHost::Text(unsigned stringId) const {
    char text[512] = "";
    if (m_texts) LoadStringA(m_texts, stringId, text, sizeof text);
    return text;
}

void TestHost::RefreshAllPages() {
    ++m_refreshes;
    if (m_page) m_page->Refresh();
}

LRESULT TestHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == MSG_CONTROL_HOVER) {
        if (wParam == 1) m_hoverTags.push_back(lParam);
        return 0;
    }
    // Function menus opened by the host itself (the main window's twin of
    // the page's buttons) are drawn by the skin menu code.
    LRESULT result = 0;
    if (HandleMenuOwnerDraw(message, wParam, lParam, result)) return result;
    return DefaultProcessing(message, wParam, lParam);
}
