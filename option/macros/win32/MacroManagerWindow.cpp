#include "option/macros/win32/MacroManagerWindow.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "option/core/win32/WarningDialog.h"
#include "option/macros/MacroList.h"
#include "option/macros/win32/MacroFileDialogs.h"
#include "option/macros/win32/MacroManagerKeys.h"
#include "option/macros/win32/MacroRecordHook.h"
#include "skin/core/SkinMessages.h"
#include "skin/core/SkinStyle.h"
#include "skin/win32/PictureLoader.h"
#include "skin/win32/SkinPopupMenu.h"

using namespace macromanager;

namespace {

std::string RecordImagePath(const char* set, const char* state) {
    char name[64];
    snprintf(name, sizeof name, kRecordImageFormat, set, state);
    return SkinFolder() + name;
}

// Scrolls a list so that `line` is in view.
void ShowLine(HWND list, int line) {
    const LRESULT rowHeight = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    RECT client{};
    GetClientRect(list, &client);
    const int visible = rowHeight > 0 ? std::max<int>(1, (client.bottom - client.top) / static_cast<int>(rowHeight)) : 1;
    const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    if (line < top) SendMessageA(list, LB_SETTOPINDEX, line, 0);
    else if (line >= top + visible) SendMessageA(list, LB_SETTOPINDEX, line - visible + 1, 0);
}

// The lists in the skin's dark wells.
constexpr COLORREF kListText = RGB(220, 220, 220);
constexpr COLORREF kListBackground = RGB(20, 20, 20);
constexpr COLORREF kListSelectedText = RGB(255, 255, 255);
constexpr COLORREF kListSelectedBackground = RGB(200, 28, 28);
constexpr COLORREF kListHover = RGB(58, 58, 58);

// The repeat-count field inside the skin's well: one text line, centred.
RECT EditRectInWell(const SkinRect& well) {
    constexpr int kInsetX = 4;
    constexpr int kLineHeight = 16;
    const int top = well.top + ((well.bottom - well.top) - kLineHeight) / 2;
    return RECT{well.left + kInsetX, top, well.right - kInsetX, top + kLineHeight};
}

}  // namespace

MacroManagerWindow::MacroManagerWindow() = default;

MacroManagerWindow::~MacroManagerWindow() {
    // The keyboard must never stay captured by a window that is gone.
    if (m_recorder.Recording()) RemoveRecordHook();
}

INT_PTR MacroManagerWindow::RunModal(OptionHost& host, HWND owner) {
    m_host = &host;
    m_modal = true;
    return Dialog::RunModal(owner, kTitle, WS_POPUP | WS_CLIPCHILDREN);
}

bool MacroManagerWindow::CreatePage(OptionHost& host, void* parent, int left, int top, int, int) {
    m_host = &host;
    m_modal = false;
    if (!CreateModeless(static_cast<HWND>(parent), kTitle, WS_CHILD | WS_CLIPCHILDREN)) return false;
    // The skin put the page at (0, 0); its place is the page area.
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

std::string MacroManagerWindow::SkinFileName() const { return kSkinFile; }

void MacroManagerWindow::CreateControls(WindowSkin& skin) {
    for (int key : kCommandKeys) skin.AddButton(key);
    auto record = std::make_unique<SkinButton>();
    if (record->Create(Handle(), ToRect(skin.Entry(kRecord).rect))) {
        record->SetHint(skin.Entry(kRecord).hint);
        m_record = skin.Keep(std::move(record));
        ShowRecordImages(kStartImages);
    }
    for (int key : {kRecordDelays, kRepeat}) {
        auto box = std::make_unique<SkinCheckBox>();
        if (!box->Create(Handle(), ToRect(skin.Entry(key).rect))) continue;
        skin.Dress(*box, skin.Entry(key));
        (key == kRecordDelays ? m_recordDelays : m_repeat) = skin.Keep(std::move(box));
    }
    auto count = std::make_unique<BitmapEdit>();
    if (count->Create(Handle(), EditRectInWell(skin.Entry(kRepeatCount).rect), kRepeatCountId)) {
        count->SetNumeric(true);
        count->SetLimit(kRepeatCountLength);
        count->SetText("1");
        m_repeatCount = skin.Keep(std::move(count));
    }
    for (int key : {kNameList, kEventList}) {
        auto list = std::make_unique<SkinList>();
        const UINT id = key == kNameList ? kNameListId : kEventListId;
        if (!list->Create(Handle(), ToRect(skin.Entry(key).rect), id)) continue;
        list->SetTag(id);
        list->SetColours(kListText, kListBackground, kListSelectedText, kListSelectedBackground, kListHover);
        list->SetKeepOpen(true);
        list->SetHint(skin.Entry(key).hint);
        (key == kNameList ? m_names : m_events) = skin.Keep(std::move(list));
    }
    m_menuFont = CreateSkinFont(kCaptionFont);
    m_listBrush.Reset(CreateSolidBrush(kListBackground));
}

LRESULT MacroManagerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BitmapEditKillFocusMessage()) {
        if (wParam == kKillFocusOnFocusLoss) CommitRepeatCount();
        return 0;
    }
    switch (message) {
    case WM_CREATE: {
        LRESULT created = SkinnedDialog::HandleMessage(message, wParam, lParam);
        if (m_modal) CentreOverOwner(Handle());
        FillNames();
        return created;
    }
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case kMsgCapturedKeystroke: OnKeystroke(wParam, lParam); return 0;
    case MSG_LIST_RENAMED: OnListRenamed(wParam, lParam); return 0;
    case MSG_LIST_CONTEXT:
        if (lParam == kEventListId) OnEventListContext();
        return 0;
    case MSG_EDIT_ENTER: CommitRepeatCount(); return 0;
    case WM_CTLCOLORLISTBOX: return reinterpret_cast<LRESULT>(m_listBrush.Get());
    case MSG_CONTROL_HOVER:
        if (m_host && !m_modal) PostMessageA(static_cast<HWND>(m_host->MainWindow()), message, wParam, lParam);
        return 0;
    // Recording always ends when the window goes away or can no longer be
    // reached: hidden (another page shown), disabled, closed or destroyed.
    case WM_SHOWWINDOW:
        if (!wParam && m_recorder.Recording()) StopRecording();
        break;
    case WM_ENABLE:
        if (!wParam && m_recorder.Recording()) StopRecording();
        break;
    case WM_CLOSE:
        OnCancel();
        return 0;
    case WM_DESTROY:
        // Only the keyboard and the record matter now; the host may be
        // tearing its pages down.
        if (m_recorder.Recording()) {
            m_recorder.Stop();
            RemoveRecordHook();
            StoreBuffer();
        }
        break;
    case WM_LBUTTONDOWN:
        if (m_modal) {
            PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
            return 0;
        }
        break;
    default: break;
    }
    return SkinnedDialog::HandleMessage(message, wParam, lParam);
}

LRESULT MacroManagerWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    if (LOWORD(wParam) == kNameListId && HIWORD(wParam) == LBN_SELCHANGE) {
        if (m_names && !m_names->Editing()) SelectMacro(m_names->SelectedRow());
        return 0;
    }
    if (m_record && control == m_record->Handle()) return Record(), 0;
    if (m_recordDelays && control == m_recordDelays->Handle()) {
        m_recorder.SetRecordDelays(m_recordDelays->Checked());
        return 0;
    }
    if (m_repeat && control == m_repeat->Handle()) return CommitRepeatCount(), 0;
    if (const int key = Skin().KeyOf(control)) return OnButton(key), 0;
    return SkinnedDialog::HandleMessage(WM_COMMAND, wParam, lParam);
}

void MacroManagerWindow::OnButton(int key) {
    switch (key) {
    case kOk: OnOk(); break;
    case kCancel:
    case kClose: OnCancel(); break;
    case kNew: AddNewMacro(); break;
    case kDelete: DeleteMacro(); break;
    case kImport: ImportMacro(); break;
    case kExport: ExportMacro(); break;
    default: break;
    }
}

MacroList& MacroManagerWindow::Macros() { return m_host->Macros(); }

MacroRecord* MacroManagerWindow::SelectedRecord() {
    if (!m_host || m_selected < 0 || static_cast<size_t>(m_selected) >= Macros().Count()) return nullptr;
    return &Macros().At(static_cast<size_t>(m_selected));
}

void MacroManagerWindow::Refresh() {
    if (!Handle() || m_recorder.Recording()) return;
    FillNames();
}

void MacroManagerWindow::FillNames() {
    if (!m_names || !m_host) return;
    m_names->Clear();
    for (size_t i = 0; i < Macros().Count(); ++i) m_names->AddRow(MacroName(Macros().At(i)), static_cast<uint32_t>(i));
    const int count = static_cast<int>(Macros().Count());
    SelectMacro(m_selected >= count ? count - 1 : m_selected);
}

void MacroManagerWindow::SelectMacro(int index) {
    m_selected = index;
    if (m_names) m_names->Select(index);
    const MacroRecord* record = SelectedRecord();
    m_buffer = record ? EditBufferOf(*record) : EmptyEditBuffer();
    if (record) {
        char text[16];
        snprintf(text, sizeof text, "%d", static_cast<int>(EffectiveRepeatCount(record->RepeatCount)));
        if (m_repeatCount) m_repeatCount->SetText(text);
        if (m_repeat) m_repeat->SetChecked(record->RepeatCount != 0);
    }
    // The last line: clamped by the refill.
    m_caretLine = kMacroEventCapacity * 2;
    FillEvents();
}

void MacroManagerWindow::FillEvents() {
    if (!m_events) return;
    m_lines = BuildEventLines(m_buffer, [this](uint8_t keyCode) {
        int32_t virtualKey = 0;
        VirtualKeyFromKeyCode(keyCode, m_layout, virtualKey);
        return std::string(KeyName(virtualKey));
    });
    SendMessageA(m_events->Handle(), WM_SETREDRAW, FALSE, 0);
    m_events->Clear();
    for (const EventLine& line : m_lines) m_events->AddRow(line.Text, line.Data);
    const CaretPlace place = CaretAfterRefill(m_caretLine, m_lines.size());
    m_events->Select(place.Selected);
    if (place.Caret >= 0) ShowLine(m_events->Handle(), place.Caret);
    SendMessageA(m_events->Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_events->Handle(), nullptr, TRUE);
}

void MacroManagerWindow::StoreBuffer() {
    if (MacroRecord* record = SelectedRecord()) StoreEditBuffer(m_buffer, *record);
}

int MacroManagerWindow::SelectedLine() const { return m_events ? m_events->SelectedRow() : -1; }

void MacroManagerWindow::PushToButtons() {
    Macros().PushToButtons(m_host->EditCopy(), &m_pushLog);
    m_host->RefreshAllPages();
}

void MacroManagerWindow::WarnNoMacro() {
    WarningDialog warning(warning::kMacroSetSkin);
    warning.Show(Handle());
}

void MacroManagerWindow::AddNewMacro() {
    if (m_names) m_names->BeginNewRow();
}

void MacroManagerWindow::OnListRenamed(WPARAM index, LPARAM list) {
    const size_t row = static_cast<size_t>(index);
    if (list == kNameListId && m_names && row < m_names->RowCount()) {
        const std::string name = m_names->RowText(row);
        std::vector<std::string> others;
        for (size_t i = 0; i < Macros().Count(); ++i) others.push_back(MacroName(Macros().At(i)));
        if (row < Macros().Count() || !IsNewMacroNameFree(name, others)) {
            // A taken name: the new line goes, the nearest line is selected.
            m_names->RemoveRow(row);
            const int count = static_cast<int>(Macros().Count());
            SelectMacro(std::min(static_cast<int>(row), count - 1));
            return;
        }
        MacroRecord record{};
        const size_t first = name.find_first_not_of(" \t");
        SetMacroName(record, name.substr(first, name.find_last_not_of(" \t") - first + 1).substr(0, kMacroNameLimit));
        record.RepeatCount = 1;
        Macros().Append(record);
        m_names->RemoveRow(row);
        m_names->AddRow(MacroName(record), static_cast<uint32_t>(Macros().Count() - 1));
        SelectMacro(static_cast<int>(Macros().Count()) - 1);
    } else if (list == kEventListId && m_events && row < m_events->RowCount()) {
        const uint32_t data = m_events->RowValue(row);
        const size_t event = LineEvent(data);
        if (IsDelayLine(data) && event < m_buffer.Count) {
            m_buffer.Events[event].Delay = EditedDelay(m_events->RowText(row));
            StoreBuffer();
        }
        m_caretLine = static_cast<int>(row);
        FillEvents();
    }
}

void MacroManagerWindow::DeleteMacro() {
    if (m_selected < 0) return;
    WarningDialog confirm(warning::kDeleteMacroSkin);
    if (confirm.Show(Handle()) == IDOK && SelectedRecord()) {
        Macros().Remove(static_cast<size_t>(m_selected));
        if (m_names) m_names->RemoveRow(static_cast<size_t>(m_selected));
        const int count = static_cast<int>(Macros().Count());
        SelectMacro(m_selected < count ? m_selected : count - 1);
    }
    PushToButtons();
}

void MacroManagerWindow::ImportMacro() {
    std::string path;
    if (!ChooseMacroToImport(Handle(), m_host->ProgramFolder(), path)) return;
    const int position = Macros().Import(path);
    if (position < 0) return;
    if (m_names) m_names->AddRow(MacroName(Macros().At(static_cast<size_t>(position))), static_cast<uint32_t>(position));
    // The imported macro is the one shown: later edits must go to it.
    SelectMacro(position);
    if (m_names) ShowLine(m_names->Handle(), position);
}

void MacroManagerWindow::ExportMacro() {
    std::string path;
    if (!SelectedRecord() || !ChooseMacroToExport(Handle(), m_host->ProgramFolder(), path)) return;
    Macros().Export(static_cast<size_t>(m_selected), path);
}

void MacroManagerWindow::Record() {
    if (m_recorder.Recording()) return StopRecording();
    if (!SelectedRecord()) return WarnNoMacro();
    m_buffer = EmptyEditBuffer();
    m_insertPosition = kAppendPosition;
    m_caretLine = 0;
    FillEvents();
    StartRecording();
}

void MacroManagerWindow::StartRecording() {
    ShowRecordImages(kStopImages);
    m_recorder.SetRecordDelays(m_recordDelays && m_recordDelays->Checked());
    m_recorder.Start();
    InstallRecordHook(Handle());
    for (int key : kCommandKeys)
        if (SkinButton* button = Skin().ButtonAt(key)) button->Enable(false);
    if (m_names) EnableWindow(m_names->Handle(), FALSE);
    if (m_events) EnableWindow(m_events->Handle(), FALSE);
    SetFocus(Handle());
}

void MacroManagerWindow::StopRecording() {
    ShowRecordImages(kStartImages);
    m_recorder.Stop();
    RemoveRecordHook();
    if (m_events) EnableWindow(m_events->Handle(), TRUE);
    for (int key : kCommandKeys)
        if (SkinButton* button = Skin().ButtonAt(key)) button->Enable(true);
    if (m_names) EnableWindow(m_names->Handle(), TRUE);
    StoreBuffer();
    if (m_host) PushToButtons();
}

void MacroManagerWindow::OnKeystroke(WPARAM virtualKey, LPARAM upFlag) {
    if (!m_recorder.Recording()) return;
    const size_t at = m_insertPosition == kAppendPosition ? m_buffer.Count : static_cast<size_t>(m_insertPosition);
    const auto result = m_recorder.Step(m_buffer, m_insertPosition, static_cast<uint32_t>(virtualKey),
                                        (upFlag & kCapturedKeyUpFlag) != 0, GetTickCount());
    if (result == MacroRecorder::StepResult::Ignored) return;
    m_lines = BuildEventLines(m_buffer, [](uint8_t) { return std::string(); });
    m_caretLine = LineOf(m_lines, at, false);
    if (result == MacroRecorder::StepResult::InsertedAndFull) StopRecording();
    FillEvents();
}

void MacroManagerWindow::ShowRecordImages(const char* set) {
    if (!m_record) return;
    std::array<Bitmap, 4> looks{LoadPicture(RecordImagePath(set, "normal")), LoadPicture(RecordImagePath(set, "over")),
                                LoadPicture(RecordImagePath(set, "down")), LoadPicture(RecordImagePath(set, "normal"))};
    m_record->SetLooks(std::move(looks));
    InvalidateRect(m_record->Handle(), nullptr, FALSE);
}

void MacroManagerWindow::CommitRepeatCount() {
    if (!m_repeatCount) return;
    const std::string text = m_repeatCount->Text();
    const int32_t count = RepeatCountFromText(text);
    char rewritten[16];
    snprintf(rewritten, sizeof rewritten, "%d", static_cast<int>(count));
    if (text != rewritten) m_repeatCount->SetText(rewritten);
    StoreRepeatCount(count);
}

void MacroManagerWindow::StoreRepeatCount(int32_t count) {
    if (MacroRecord* record = SelectedRecord())
        record->RepeatCount = StoredRepeatCount(count, m_repeat && m_repeat->Checked());
}

void MacroManagerWindow::OnEventListContext() {
    if (m_recorder.Recording() || !m_host) return;
    auto text = [this](unsigned id) { return m_host->Text(id); };
    std::vector<std::unique_ptr<SkinPopupMenu>> buttons;
    SkinPopupMenu mouse(m_menuFont.Get());
    for (int button = 0; button < kMouseButtonCount; ++button) {
        buttons.push_back(std::make_unique<SkinPopupMenu>(m_menuFont.Get()));
        for (int action = 0; action < kMouseActionCount; ++action)
            buttons.back()->Append(kFirstMouseCommand + button * kMouseActionCount + action,
                                   text(kFirstActionText + action));
        mouse.Append(kPopupItem, text(kFirstButtonText + button), buttons.back().get());
    }
    SkinPopupMenu menu(m_menuFont.Get());
    menu.Append(kRecordBefore, text(kTextRecordBefore));
    menu.Append(kRecordAfter, text(kTextRecordAfter));
    menu.Append(kInsertDelay, text(kTextInsertDelay));
    menu.Append(kPopupItem, text(kTextMouseEvents), &mouse);
    menu.Append(kEdit, text(kTextEdit));
    menu.Append(kDeleteLine, text(kTextDelete));
    POINT pointer{};
    GetCursorPos(&pointer);
    const UINT choice = menu.Choose(Handle(), pointer);
    PostMessageA(Handle(), WM_NULL, 0, 0);
    if (choice) OnEventCommand(choice);
}

void MacroManagerWindow::OnEventCommand(unsigned identifier) {
    if (!SelectedRecord()) return WarnNoMacro();
    const int line = SelectedLine();
    const bool onLine = line >= 0 && static_cast<size_t>(line) < m_lines.size();
    const uint32_t data = onLine ? m_lines[static_cast<size_t>(line)].Data : 0;
    const int event = onLine ? static_cast<int>(LineEvent(data)) : kAppendPosition;
    switch (identifier) {
    case kRecordBefore:
    case kRecordAfter:
        m_insertPosition = event == kAppendPosition ? kAppendPosition : event + (identifier == kRecordAfter ? 1 : 0);
        return StartRecording();
    case kInsertDelay:
        if (onLine && InsertDelayBefore(m_buffer, data)) {
            m_lines = BuildEventLines(m_buffer, [](uint8_t) { return std::string(); });
            m_caretLine = LineOf(m_lines, static_cast<size_t>(event - 1), true);
        }
        break;
    case kEdit:
        if (onLine && IsDelayLine(data) && m_events) m_events->BeginRename();
        return;
    case kDeleteLine:
        if (onLine) DeleteLine(m_buffer, data);
        m_caretLine = line;
        break;
    default:
        if (const std::optional<MouseCommand> command = MouseCommandOf(identifier)) {
            int position = event;
            const std::optional<size_t> at =
                command->What == MouseInsert::Click
                    ? InsertClick(m_buffer, position, command->KeyCode)
                    : InsertEvent(m_buffer, position,
                                  MacroEvent{command->KeyCode,
                                             command->What == MouseInsert::Press ? kMacroActionPress
                                                                                 : kMacroActionRelease,
                                             0});
            if (at) {
                m_lines = BuildEventLines(m_buffer, [](uint8_t) { return std::string(); });
                m_caretLine = LineOf(m_lines, *at, false);
            }
        }
        break;
    }
    StoreBuffer();
    FillEvents();
}

void MacroManagerWindow::OnOk() {
    if (m_recorder.Recording()) StopRecording();
    CommitRepeatCount();
    Macros().Save();
    PushToButtons();
    m_pushLog.Forget();
    if (m_modal) EndModal(IDOK);
}

void MacroManagerWindow::OnCancel() {
    if (m_recorder.Recording()) StopRecording();
    Macros().Load();
    // The buttons go back with the list: a deleted macro's buttons play it
    // again, recorded events leave the buttons' copies.
    m_pushLog.Undo(m_host->EditCopy());
    if (!m_modal) FillNames();
    m_host->RefreshAllPages();
    if (m_modal) EndModal(IDCANCEL);
}
