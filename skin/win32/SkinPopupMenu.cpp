#include "skin/win32/SkinPopupMenu.h"

#include <unordered_set>

#include "skin/win32/GdiOwners.h"
#include "skin/win32/MenuFrameHook.h"

namespace {
// Item data of live skin menus; anything else in itemData is not ours.
std::unordered_set<const void*>& LiveItems() {
    static std::unordered_set<const void*> items;
    return items;
}

RECT ToRect(const SkinRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
SkinRect ToSkinRect(const RECT& r) { return SkinRect{r.left, r.top, r.right, r.bottom}; }
}  // namespace

SkinPopupMenu::SkinPopupMenu(HFONT font, int startWidth)
    : m_menu(CreatePopupMenu()), m_font(font), m_model(startWidth) {}

SkinPopupMenu::~SkinPopupMenu() {
    for (const auto& data : m_itemData) LiveItems().erase(data.get());
    if (m_menu && m_ownsMenu) DestroyMenu(m_menu);
}

void SkinPopupMenu::Append(UINT identifier, const std::string& text, SkinPopupMenu* submenu, bool marked) {
    size_t index = m_model.Append(identifier, text, submenu != nullptr, marked);
    auto data = std::make_unique<ItemData>(ItemData{this, index});
    LPCSTR itemData = reinterpret_cast<LPCSTR>(data.get());
    LiveItems().insert(data.get());
    m_itemData.push_back(std::move(data));
    if (!m_menu) return;
    const SkinMenuItem& item = m_model.Items()[index];
    if (item.IsSeparator()) {
        AppendMenuA(m_menu, MF_OWNERDRAW | MF_SEPARATOR, 0, itemData);
    } else if (submenu && submenu->m_menu) {
        AppendMenuA(m_menu, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu->m_menu), itemData);
        submenu->m_ownsMenu = false;  // destroyed with this menu
    } else {
        AppendMenuA(m_menu, MF_OWNERDRAW, identifier, itemData);
    }
}

void SkinPopupMenu::Show(HWND owner, POINT screen) {
    MenuFrameHook::TrackingScope framed;
    if (m_menu) TrackPopupMenu(m_menu, TPM_LEFTALIGN | TPM_LEFTBUTTON, screen.x, screen.y, 0, owner, nullptr);
}

UINT SkinPopupMenu::Choose(HWND owner, POINT screen) {
    if (!m_menu) return 0;
    MenuFrameHook::TrackingScope framed;
    return static_cast<UINT>(TrackPopupMenu(m_menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                            screen.x, screen.y, 0, owner, nullptr));
}

void SkinPopupMenu::Measure(size_t index, MEASUREITEMSTRUCT& measure) const {
    SkinSize size = m_model.Measure(m_model.Items()[index].identifier);
    measure.itemWidth = static_cast<UINT>(size.width);
    measure.itemHeight = static_cast<UINT>(size.height);
}

void SkinPopupMenu::Draw(size_t index, const DRAWITEMSTRUCT& draw) const {
    const SkinMenuItem& item = m_model.Items()[index];
    HDC dc = draw.hDC;
    RECT area = draw.rcItem;
    MenuItemColours colours = ColoursOfMenuItem(item, (draw.itemState & ODS_SELECTED) != 0);
    Brush background(CreateSolidBrush(colours.background));
    FillRect(dc, &area, background.Get());
    if (item.IsSeparator()) {
        Pen line(CreatePen(PS_SOLID, 1, kMenuSeparatorColour));
        SelectedObject selected(dc, line.Get());
        int y = MenuSeparatorLineY(ToSkinRect(area));
        MoveToEx(dc, area.left, y, nullptr);
        LineTo(dc, area.right, y);
    } else if (item.identifier != kMenuHiddenItemId) {
        SelectedObject selected(dc, m_font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colours.text);
        RECT textArea = ToRect(MenuTextRect(ToSkinRect(area)));
        DrawTextA(dc, item.text.c_str(), static_cast<int>(item.text.size()), &textArea,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        if (item.hasSubmenu) {
            HICON arrow = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kMenuSubmenuIconId));
            SkinPoint at = MenuSubmenuIconPosition(ToSkinRect(area));
            if (arrow) DrawIcon(dc, at.x, at.y, arrow);
        }
    }
    // Keeps the system from drawing its own check marks or arrows over the item.
    ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
}

bool HandleMenuOwnerDraw(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType != ODT_MENU) return false;
        auto* data = reinterpret_cast<SkinPopupMenu::ItemData*>(measure->itemData);
        if (!LiveItems().count(data)) return false;
        data->menu->Measure(data->index, *measure);
    } else if (message == WM_DRAWITEM) {
        auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw->CtlType != ODT_MENU) return false;
        auto* data = reinterpret_cast<SkinPopupMenu::ItemData*>(draw->itemData);
        if (!LiveItems().count(data)) return false;
        data->menu->Draw(data->index, *draw);
    } else {
        return false;
    }
    result = TRUE;
    return true;
}
