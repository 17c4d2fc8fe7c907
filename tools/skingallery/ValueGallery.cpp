#include "tools/skingallery/ValueGallery.h"

#include "skin/core/SkinMessages.h"
#include "skin/core/SkinStyle.h"
#include "skin/win32/BitmapPixels.h"
#include "skin/win32/PictureLoader.h"

#include <algorithm>
#include <memory>

namespace {

using namespace gallery::values;

// Reported values are kept per identifier in this order.
const UINT kReportingIds[] = {kSpeedSliderId, kFillBarId, kFineSliderId, kVerticalSliderId, kStepBoxId, kTableBoxId};

int ReportSlot(UINT identifier) {
    for (size_t i = 0; i < std::size(kReportingIds); ++i)
        if (kReportingIds[i] == identifier) return static_cast<int>(i);
    return -1;
}

RECT Inset(RECT rectangle, int by) {
    InflateRect(&rectangle, -by, -by);
    return rectangle;
}

}  // namespace

bool ValueGallery::Create() {
    m_reported.fill(-1);
    return Window::Create(gallery::kValueWindowClass, gallery::kValueWindowTitle,
                          WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_SYSMENU, 0, 0, 0, 0, 0);
}

SkinSlider* ValueGallery::AddSlider(WindowSkin& skin, int key, UINT identifier, const char* thumb,
                                    SliderOrientation orientation, int minimum, int maximum, bool snap, int value) {
    ButtonEntry entry = skin.Entry(key);
    auto slider = std::make_unique<SkinSlider>();
    if (!slider->Create(Handle(), ToRect(entry.rect), identifier, SkinFolder() + thumb, orientation)) return nullptr;
    slider->SetFace(skin.Crop(SkinState::Normal, entry.rect));
    slider->SetRange(minimum, maximum);
    slider->SetSnap(snap);
    slider->SetValue(value);
    slider->SetHint(entry.hint);
    return skin.Keep(std::move(slider));
}

SkinValueBox* ValueGallery::AddValueBox(WindowSkin& skin, int key, UINT identifier) {
    ButtonEntry entry = skin.Entry(key);
    auto box = std::make_unique<SkinValueBox>();
    if (!box->Create(Handle(), ToRect(entry.rect), identifier)) return nullptr;
    box->DressButtons(skin);
    // Black on the light grey of the skin's number wells.
    box->Field().SetColours(RGB(0, 0, 0), RGB(229, 229, 229));
    box->SetHint(entry.hint);
    return skin.Keep(std::move(box));
}

void ValueGallery::AddList(WindowSkin& skin) {
    ButtonEntry entry = skin.Entry(kList);
    auto list = std::make_unique<SkinList>();
    // One pixel in, so that the skin's well border frames the rows.
    if (list->Create(Handle(), Inset(ToRect(entry.rect), 1), kListId, 0)) {
        list->SetTag(kListTag);
        list->SetKeepOpen(true);
        list->SetHint(entry.hint);
        for (int row = 1; row <= kStartRows; ++row) list->AddRow("Macro " + std::to_string(row), row);
        m_list = skin.Keep(std::move(list));
    }
    ButtonEntry bar = skin.Entry(kScrollBar);
    auto scroll = std::make_unique<SkinScrollBar>();
    if (scroll->Create(Handle(), ToRect(bar.rect), kScrollBarId, SBS_VERT)) m_scroll = skin.Keep(std::move(scroll));
    DressScrollBar();
    SyncScrollBar();
}

void ValueGallery::DressScrollBar() {
    if (!m_scroll) return;
    Bitmap parts = LoadPicture(SkinFolder() + gallery::kScrollPartsImage);
    if (!parts) return;
    const int side = gallery::kScrollPartSide;
    const std::pair<ScrollLook, int> rows[] = {{ScrollLook::LineUpArrow, gallery::kScrollPartUpRow},
                                               {ScrollLook::LineDownArrow, gallery::kScrollPartDownRow},
                                               {ScrollLook::Thumb, gallery::kScrollPartThumbRow}};
    for (const auto& [look, row] : rows)
        for (int state = 0; state < 3; ++state) {
            RECT square{state * side, row * side, (state + 1) * side, (row + 1) * side};
            m_scroll->SetLook(look, static_cast<ScrollLookState>(state), CropBitmap(parts, square));
        }
}

void ValueGallery::CreateControls(WindowSkin& skin) {
    m_labelFont = CreateSkinFont(kTextLabelFont);
    m_close = skin.AddButton(kClose);
    m_speed = AddSlider(skin, kSpeedSlider, kSpeedSliderId, gallery::kThumbDownImage, SliderOrientation::Horizontal,
                        1, 10, true, 5);
    m_fine = AddSlider(skin, kFineSlider, kFineSliderId, gallery::kThumbUpImage, SliderOrientation::Horizontal, 0,
                       100, false, 30);
    m_vertical = AddSlider(skin, kVerticalSlider, kVerticalSliderId, gallery::kThumbVerticalImage,
                           SliderOrientation::Vertical, 0, 20, true, 10);

    ButtonEntry fill = skin.Entry(kFillBar);
    auto bar = std::make_unique<SkinFillBar>();
    // The skin draws the bar empty in Normal and full in Down.
    if (bar->Create(Handle(), ToRect(fill.rect), kFillBarId, skin.Crop(SkinState::Normal, fill.rect),
                    skin.Crop(SkinState::Down, fill.rect))) {
        bar->SetRange(0, 100);
        bar->SetValue(40);
        bar->SetHint(fill.hint);
        m_fill = skin.Keep(std::move(bar));
    }

    m_stepBox = AddValueBox(skin, kStepBox, kStepBoxId);
    if (m_stepBox) {
        m_stepBox->SetRange(0, 100);
        m_stepBox->SetStep(5);
        m_stepBox->SetValue(50);
    }
    m_tableBox = AddValueBox(skin, kTableBox, kTableBoxId);
    if (m_tableBox) {
        m_tableBox->SetRange(1, 12);
        m_tableBox->SetTable(DefaultValueTable());
        m_tableBox->SetValue(6);
    }

    ButtonEntry field = skin.Entry(kNumericField);
    auto edit = std::make_unique<BitmapEdit>();
    if (edit->Create(Handle(), Inset(ToRect(field.rect), 3), kNumericFieldId)) {
        edit->SetNumeric(true);
        edit->SetColours(RGB(0, 0, 0), RGB(229, 229, 229));
        edit->SetText("1234");
        m_numeric = skin.Keep(std::move(edit));
    }

    AddList(skin);
    m_newRow = skin.AddButton(kNewRow);
    m_rename = skin.AddButton(kRename);
    for (int key : {kSpeedLabel, kFineLabel, kFillLabel, kListLabel}) m_areas[key] = ToRect(skin.Entry(key).rect);
}

SkinButton* ValueGallery::Button(int key) const {
    switch (key) {
    case kClose: return m_close;
    case kNewRow: return m_newRow;
    case kRename: return m_rename;
    default: return nullptr;
    }
}

int ValueGallery::Reported(UINT identifier) const {
    int slot = ReportSlot(identifier);
    return slot < 0 ? -1 : m_reported[slot];
}

void ValueGallery::RedrawArea(int key) { InvalidateRect(Handle(), &m_areas[key], FALSE); }

LRESULT ValueGallery::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case MSG_SLIDER_POS:
        return OnValue(static_cast<UINT>(lParam), static_cast<int>(wParam),
                       lParam == kSpeedSliderId ? kSpeedLabel : kFineLabel);
    case MSG_FILLBAR_POS: return OnValue(static_cast<UINT>(lParam), static_cast<int>(wParam), kFillLabel);
    case MSG_VALUEBOX_POS: return OnValue(static_cast<UINT>(lParam), static_cast<int>(wParam), kListLabel);
    case MSG_LIST_RENAMED:
        m_renamedRow = static_cast<int>(wParam);
        SyncScrollBar();
        return 0;
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_VSCROLL: return OnVerticalScroll(wParam);
    case WM_LBUTTONDOWN: PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, lParam); return 0;
    case WM_CLOSE: DestroyWindow(Handle()); return 0;
    default: return SkinnedWindow::HandleMessage(message, wParam, lParam);
    }
}

LRESULT ValueGallery::OnValue(UINT identifier, int value, int labelKey) {
    int slot = ReportSlot(identifier);
    if (slot >= 0) m_reported[slot] = value;
    RedrawArea(labelKey);
    return 0;
}

LRESULT ValueGallery::OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND sender = reinterpret_cast<HWND>(lParam);
    if (m_close && sender == m_close->Handle()) {
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
    } else if (m_newRow && sender == m_newRow->Handle() && m_list) {
        m_list->BeginNewRow();
        SyncScrollBar();
    } else if (m_rename && sender == m_rename->Handle() && m_list) {
        m_list->BeginRename();
    } else if (m_list && sender == m_list->Handle() && HIWORD(wParam) == LBN_SELCHANGE) {
        RedrawArea(kListLabel);
    } else {
        return SkinnedWindow::HandleMessage(WM_COMMAND, wParam, lParam);
    }
    return 0;
}

// Rows scroll by the bar; the bar follows the list's row count.
void ValueGallery::SyncScrollBar() {
    if (!m_list || !m_scroll) return;
    RECT client{};
    GetClientRect(m_list->Handle(), &client);
    int rowHeight = static_cast<int>(SendMessageA(m_list->Handle(), LB_GETITEMHEIGHT, 0, 0));
    int visible = rowHeight > 0 ? client.bottom / rowHeight : 1;
    int rows = static_cast<int>(m_list->RowCount());
    m_scroll->SetRange(0, rows > 0 ? rows - 1 : 0);
    m_scroll->SetPage(visible);
    m_scroll->SetPosition(static_cast<int>(SendMessageA(m_list->Handle(), LB_GETTOPINDEX, 0, 0)));
    RedrawArea(kListLabel);
}

LRESULT ValueGallery::OnVerticalScroll(WPARAM wParam) {
    if (!m_list || !m_scroll) return 0;
    int top = static_cast<int>(SendMessageA(m_list->Handle(), LB_GETTOPINDEX, 0, 0));
    switch (LOWORD(wParam)) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= m_scroll->Model().Page(); break;
    case SB_PAGEDOWN: top += m_scroll->Model().Page(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: top = static_cast<short>(HIWORD(wParam)); break;
    default: return 0;
    }
    int last = static_cast<int>(m_list->RowCount()) - m_scroll->Model().Page();
    top = std::max(0, std::min(top, std::max(0, last)));
    SendMessageA(m_list->Handle(), LB_SETTOPINDEX, top, 0);
    m_scroll->SetPosition(top);
    return 0;
}

void ValueGallery::PaintOverlay(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, m_labelFont.Get());
    SetTextColor(dc, RGB(240, 240, 240));
    auto label = [&](int key, const std::string& text) {
        DrawTextA(dc, text.c_str(), -1, &m_areas[key], DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    };
    if (m_speed) label(kSpeedLabel, "Speed " + std::to_string(m_speed->Value()));
    if (m_fine) label(kFineLabel, "Value " + std::to_string(m_fine->Value()));
    if (m_fill) label(kFillLabel, std::to_string(m_fill->Value()) + " %");
    if (!m_list) return;
    int selected = m_list->SelectedRow();
    std::string state = "Rows: " + std::to_string(m_list->RowCount()) + "\nSelected: " +
                        (selected >= 0 ? m_list->RowText(static_cast<size_t>(selected)) : std::string("none")) +
                        "\nBoxes: " + std::to_string(m_stepBox ? m_stepBox->Value() : 0) + " and " +
                        std::to_string(m_tableBox ? m_tableBox->Value() : 0);
    RECT area = m_areas[kListLabel];
    DrawTextA(dc, state.c_str(), -1, &area, DT_LEFT | DT_NOPREFIX);
}
