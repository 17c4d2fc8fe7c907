#include "option/pages/settings/win32/SkinnedPage.h"

#include <memory>

bool SkinnedPage::CreatePage(OptionHost& host, void* parent, int left, int top, int width, int height) {
    m_host = &host;
    if (!Window::Create(WindowClassName(), "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
                        left, top, width, height, static_cast<HWND>(parent)))
        return false;
    // Loading the skin sized the page to its image at (0, 0); the page area
    // gives the place.
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Refresh();
    return true;
}

SkinSlider* AddSkinSlider(WindowSkin& skin, HWND parent, int key, UINT identifier, const char* thumbImage,
                          int minimum, int maximum, bool snap) {
    ButtonEntry entry = skin.Entry(key);
    auto slider = std::make_unique<SkinSlider>();
    if (!slider->Create(parent, ToRect(entry.rect), identifier, SkinFolder() + thumbImage)) return nullptr;
    slider->SetFace(skin.Crop(SkinState::Normal, entry.rect));
    slider->SetRange(minimum, maximum);
    slider->SetSnap(snap);
    slider->SetHint(entry.hint);
    return skin.Keep(std::move(slider));
}

SkinValueBox* AddSkinValueBox(WindowSkin& skin, HWND parent, int key, UINT identifier, int minimum, int maximum) {
    ButtonEntry entry = skin.Entry(key);
    auto box = std::make_unique<SkinValueBox>();
    if (!box->Create(parent, ToRect(entry.rect), identifier)) return nullptr;
    box->DressButtons(skin);
    // Black on the light grey of the skin's number wells.
    box->Field().SetColours(RGB(0, 0, 0), RGB(229, 229, 229));
    box->SetRange(minimum, maximum);
    box->SetStep(1);
    box->SetHint(entry.hint);
    return skin.Keep(std::move(box));
}

std::vector<SkinButton*> AddButtonRow(WindowSkin& skin, int firstKey, int count, bool toggleMode) {
    std::vector<SkinButton*> row;
    for (int i = 0; i < count; ++i) {
        SkinButton* button = skin.AddButton(firstKey + i);
        if (button) button->SetToggleMode(toggleMode);
        row.push_back(button);
    }
    return row;
}

std::vector<ColourSwatchButton*> AddSwatchRow(WindowSkin& skin, int firstKey, int count) {
    std::vector<ColourSwatchButton*> row;
    for (int i = 0; i < count; ++i) row.push_back(skin.AddSwatch(firstKey + i));
    return row;
}

void DrawCentredText(HDC dc, const RECT& rectangle, const std::string& text, HFONT font, COLORREF colour) {
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT place = rectangle;
    DrawTextA(dc, text.c_str(), -1, &place, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS);
    SelectObject(dc, previous);
}
