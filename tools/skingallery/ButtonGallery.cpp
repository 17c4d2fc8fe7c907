#include "tools/skingallery/ButtonGallery.h"

#include "skin/core/CurrentHint.h"
#include "skin/core/SkinMessages.h"
#include "skin/core/SkinStyle.h"
#include "skin/win32/SkinPopupMenu.h"

namespace {

using namespace gallery::buttons;

const char* const kPlayerNames[] = {"Windows Media player", "iTunes", "Real Player", "Winamp"};
const COLORREF kSwatchColours[kSwatchCount] = {RGB(230, 30, 30), RGB(40, 200, 80), RGB(40, 120, 255),
                                               RGB(250, 200, 40)};
const char* const kButtonNames[] = {"", "close", "minimise", "Apply", "OK", "Disabled", "player"};

}  // namespace

bool ButtonGallery::Create() {
    return Window::Create(gallery::kButtonWindowClass, gallery::kButtonWindowTitle,
                          WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, 0);
}

void ButtonGallery::CreateControls(WindowSkin& skin) {
    m_font = CreateSkinFont(kCaptionFont);
    m_labelFont = CreateSkinFont(kTextLabelFont);
    for (int key = kClose; key <= kPlayer; ++key) m_byKey[key] = skin.AddButton(key);
    for (int i = 0; i < kToggleCount; ++i) {
        m_byKey[kFirstToggle + i] = skin.AddButton(kFirstToggle + i);
        if (m_byKey[kFirstToggle + i]) m_byKey[kFirstToggle + i]->SetToggleMode(true);
    }
    for (int i = 0; i < kOptionCount; ++i) m_byKey[kFirstOption + i] = skin.AddButton(kFirstOption + i);
    for (int i = 0; i < kTabCount; ++i) m_byKey[kFirstTab + i] = skin.AddButton(kFirstTab + i);
    for (int i = 0; i < kSwatchCount; ++i) {
        m_swatches[i] = skin.AddSwatch(kFirstSwatch + i);
        m_byKey[kFirstSwatch + i] = m_swatches[i];
        if (m_swatches[i]) {
            m_swatches[i]->SetColour(kSwatchColours[i]);
            m_swatches[i]->SetSwatchTag(kFirstSwatch + i);
        }
    }
    for (int i = 0; i < kCheckBoxCount; ++i) {
        const ButtonEntry entry = skin.Entry(kFirstCheckBox + i);
        auto box = std::make_unique<SkinCheckBox>();
        if (!box->Create(Handle(), ToRect(entry.rect))) continue;
        skin.Dress(*box, entry);
        m_byKey[kFirstCheckBox + i] = skin.Keep(std::move(box));
    }
    if (m_byKey[kDisabled]) m_byKey[kDisabled]->Enable(false);
    if (m_byKey[kPlayer]) m_byKey[kPlayer]->SetCaption(kPlayerNames[0]);
    SelectOnly(kFirstTab, kTabCount, m_selectedTab);
    for (int key : {kClickArea, kHintArea}) m_areas[key] = ToRect(skin.Entry(key).rect);
}

SkinButton* ButtonGallery::Button(int key) const {
    return key >= 0 && key < static_cast<int>(m_byKey.size()) ? m_byKey[key] : nullptr;
}

int ButtonGallery::ToggleBits() const {
    int bits = 0;
    for (int i = 0; i < kToggleCount; ++i)
        if (m_byKey[kFirstToggle + i] && m_byKey[kFirstToggle + i]->Selected()) bits |= 1 << i;
    return bits;
}

int ButtonGallery::CheckBits() const {
    int bits = 0;
    for (int i = 0; i < kCheckBoxCount; ++i)
        if (m_byKey[kFirstCheckBox + i] && m_byKey[kFirstCheckBox + i]->Selected()) bits |= 1 << i;
    return bits;
}

int ButtonGallery::KeyOf(HWND button) const {
    for (size_t key = 0; key < m_byKey.size(); ++key)
        if (m_byKey[key] && m_byKey[key]->Handle() == button) return static_cast<int>(key);
    return 0;
}

void ButtonGallery::SelectOnly(int firstKey, int count, int index) {
    for (int i = 0; i < count; ++i)
        if (m_byKey[firstKey + i]) m_byKey[firstKey + i]->SetSelected(i == index);
}

void ButtonGallery::RedrawArea(int key) { InvalidateRect(Handle(), &m_areas[key], FALSE); }

LRESULT ButtonGallery::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case MSG_SHOW_HINT: return OnShowHint(wParam);
    case WM_LBUTTONDOWN:
        // Dragged by any point of its face, like the product's windows.
        PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
        return 0;
    case WM_CLOSE: DestroyWindow(Handle()); return 0;
    default: return SkinnedWindow::HandleMessage(message, wParam, lParam);
    }
}

LRESULT ButtonGallery::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Skin buttons have identifier 0; they are told apart by their handles.
    int key = KeyOf(reinterpret_cast<HWND>(lParam));
    if (key == 0) return SkinnedWindow::HandleMessage(WM_COMMAND, wParam, lParam);
    OnButton(key);
    return 0;
}

void ButtonGallery::OnButton(int key) {
    ++m_clicks;
    if (key < static_cast<int>(std::size(kButtonNames))) {
        m_lastClicked = kButtonNames[key];
    } else if (key >= kFirstSwatch) {
        m_lastClicked = "swatch " + std::to_string(key - kFirstSwatch + 1);
    } else {
        m_lastClicked = "button " + std::to_string(key);
    }
    if (key == kClose) {
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
    } else if (key == kMinimise) {
        ShowWindow(Handle(), SW_MINIMIZE);
    } else if (key == kPlayer) {
        ChoosePlayer();
    } else if (key >= kFirstOption && key < kFirstOption + kOptionCount) {
        m_selectedOption = key - kFirstOption;
        SelectOnly(kFirstOption, kOptionCount, m_selectedOption);
    } else if (key >= kFirstTab && key < kFirstTab + kTabCount) {
        m_selectedTab = key - kFirstTab;
        SelectOnly(kFirstTab, kTabCount, m_selectedTab);
    } else if (key >= kFirstSwatch && key < kFirstSwatch + kSwatchCount) {
        m_selectedSwatch = key - kFirstSwatch;
        SelectOnly(kFirstSwatch, kSwatchCount, m_selectedSwatch);
    }
    RedrawArea(kClickArea);
}

void ButtonGallery::ChoosePlayer() {
    SkinButton* button = m_byKey[kPlayer];
    if (!button) return;
    SkinPopupMenu more(m_font.Get());
    more.Append(gallery::kMenuRealPlayer, kPlayerNames[2]);
    more.Append(gallery::kMenuMoreBase, "Marked item", nullptr, true);
    more.Append(1, "hidden");  // takes no room
    SkinPopupMenu menu(m_font.Get(), gallery::kPlayerMenuWidth);
    menu.Append(gallery::kMenuWindowsMedia, kPlayerNames[0]);
    menu.Append(gallery::kMenuITunes, kPlayerNames[1]);
    menu.Append(gallery::kMenuSeparator, "");
    menu.Append(gallery::kMenuWinamp, kPlayerNames[3]);
    menu.Append(gallery::kMenuMoreBase + 1, "More players", &more);
    RECT place{};
    GetWindowRect(button->Handle(), &place);
    UINT choice = menu.Choose(Handle(), POINT{place.left, place.bottom});
    if (choice >= gallery::kMenuWindowsMedia && choice <= gallery::kMenuWinamp) {
        m_lastMenuChoice = choice;
        button->SetCaption(kPlayerNames[choice - gallery::kMenuWindowsMedia]);
    } else if (choice != 0) {
        m_lastMenuChoice = choice;
    }
    PostMessageA(Handle(), WM_NULL, 0, 0);
    button->ClearHovering();
    InvalidateRect(button->Handle(), nullptr, FALSE);
}

LRESULT ButtonGallery::OnShowHint(WPARAM wParam) {
    m_shownHint = wParam ? CurrentHintText() : std::string();
    RedrawArea(kHintArea);
    return 0;
}

void ButtonGallery::PaintOverlay(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, m_labelFont.Get());
    SetTextColor(dc, RGB(240, 240, 240));
    std::string clicks = "Clicks: " + std::to_string(m_clicks);
    if (!m_lastClicked.empty()) clicks += "   last: " + m_lastClicked;
    DrawTextA(dc, clicks.c_str(), -1, &m_areas[kClickArea], DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    SetTextColor(dc, RGB(150, 150, 150));
    std::string hint = m_shownHint.empty() ? "Point at a control to see its hint." : "Hint: " + m_shownHint;
    DrawTextA(dc, hint.c_str(), -1, &m_areas[kHintArea], DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}
