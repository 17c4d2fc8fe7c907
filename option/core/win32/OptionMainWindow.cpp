#include "option/core/win32/OptionMainWindow.h"

#include <shellapi.h>

#include <cstdio>

#include "frame/LazyFunction.h"
#include "option/core/OptionConstants.h"
#include "option/core/VersionText.h"
#include "option/core/win32/FileDialogs.h"
#include "option/core/win32/PageSet.h"
#include "option/core/win32/ProfilePropertiesDialog.h"
#include "option/core/win32/WarningDialog.h"
#include "option/pages/settings/win32/PerformancePage.h"
#include "skin/core/CurrentHint.h"
#include "skin/core/SkinMessages.h"
#include "skin/core/SkinStyle.h"
#include "skin/win32/HoverHint.h"
#include "skin/win32/KeyboardAccess.h"

using namespace mainwindow;

namespace {

constexpr COLORREF kVersionColour = RGB(0xEB, 0xEB, 0xEB);
constexpr COLORREF kHintColour = RGB(150, 150, 150);
constexpr SkinFont kVersionFont{"Arial", 12, 0, 400, true, false};
constexpr int kStatusPadding = 12;

bool IsTab(int key) {
    for (int tab : kTabKeys)
        if (tab == key) return true;
    return false;
}

}  // namespace

OptionMainWindow::OptionMainWindow(std::string programFolder)
    : m_programFolder(std::move(programFolder)),
      m_session(OptionServices{m_sharedBlock, m_agent, m_iniFiles, m_files, m_registry, m_clock, m_programFolder}),
      m_macros(m_iniFiles, m_programFolder) {
    m_session.SetMacroStorage(&m_macroStorage);
}

OptionMainWindow::~OptionMainWindow() = default;

std::string OptionMainWindow::SkinFolder() const { return m_programFolder + option::kSkinFolderName; }

INT_PTR OptionMainWindow::Run() {
    return RunModal(nullptr, option::kMainWindowTitle, WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX);
}

LRESULT OptionMainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(wParam, lParam);
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_PAINT: return OnPaint();
    case WM_ERASEBKGND: return 1;
    case WM_QUERYDRAGICON: return reinterpret_cast<LRESULT>(m_icon);
    case WM_LBUTTONDOWN: return OnLeftButtonDown(lParam);
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    case WM_CLOSE:
        DropEdits();
        EndModal(IDCANCEL);
        return 0;
    case WM_DESTROY: return OnDestroy();
    case WM_TIMER:
        if (wParam == option::kIconTimer) {
            KillTimer(Handle(), option::kIconTimer);
            m_icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(option::kProgramIconResource));
            SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
            SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
            return 0;
        }
        if (wParam == option::kApplyAnswerTimer) {
            // The agent died during the apply: the window must not stay locked.
            EndApplyWait();
            return 0;
        }
        break;
    case option::kMsgFirmwareChanged:
        m_session.OnFirmwareChanged();
        UpdateVersionLine();
        RefreshAllPages();
        return 0;
    case option::kMsgSlotChangedByAgent:
        m_session.OnSlotChangedByAgent();
        RefreshAllPages();
        return 0;
    case option::kMsgApplyFinished: EndApplyWait(); return 0;
    case option::kMsgSettingsChangedByMouse:
        m_session.OnSettingsChangedByMouse();
        for (Page page : {Page::Resolution, Page::Lighting, Page::Performance})
            if (ConfigPage* made = ShownBefore(page)) made->Refresh();
        return 0;
    case option::kMsgIgnored: return 0;
    case MSG_SHOW_HINT: return OnShowHint(wParam);
    default: break;
    }
    return SkinnedDialog::HandleMessage(message, wParam, lParam);
}

LRESULT OptionMainWindow::OnCreate(WPARAM wParam, LPARAM lParam) {
    SetWindowLongPtrA(Handle(), GWL_STYLE, GetWindowLongPtrA(Handle(), GWL_STYLE) | WS_SYSMENU);
    m_texts.Load(m_programFolder);
    SetSkinFolder(SkinFolder());
    // Before the controls: they are made with the captions of the profile.
    m_session.Start();
    m_chooser = std::make_unique<ButtonFunctionChooser>(*this, true);
    // The skin (with its controls and shape) loads in the base class.
    LRESULT created = SkinnedDialog::HandleMessage(WM_CREATE, wParam, lParam);
    SetHintWindow(Handle());
    m_pointer = std::make_unique<WindowsPointerSystem>(Handle());
    m_pages = CreatePages(*m_pointer);
    // Each page makes its window when it is first shown: a start makes the
    // button page only.
    for (int index = 0; index < kPageCount; ++index)
        if (SkinButton* tab = Button(kTabKeys[index])) tab->Enable(m_pages[index] != nullptr);
    m_currentPage = Page::Buttons;
    if (ConfigPage* page = MadePage(Page::Buttons)) ShowWindow(static_cast<HWND>(page->PageWindow()), SW_SHOW);
    if (SkinButton* tab = Button(kButtonTab)) {
        tab->Enable(true);
        tab->SetSelected(true);
    }
    return created;
}

void OptionMainWindow::CreateControls(WindowSkin& skin) {
    std::vector<std::pair<int, ButtonEntry>> entries;
    for (int key = kNewProfile; key <= kLastKey; ++key) {
        ButtonEntry entry = skin.Entry(key);
        if (key != kPageArea && key != kStatusLine && entry.rect.right > entry.rect.left)
            entries.emplace_back(key, std::move(entry));
    }
    skin.AddButtons(entries, BS_PUSHBUTTON, [&](size_t index, SkinButton& button) {
        const int entry = entries[index].first - kFirstAssignment;
        if (entry < 0 || entry >= kAssignmentButtonCount) return;
        button.SetHoverTag(kFirstAssignmentId + entry);
        button.SetCaption(m_chooser->Caption(entry, PrefixOrder::MainWindow));
    });
    m_pageArea = ToRect(skin.Entry(kPageArea).rect);
    m_statusLine = ToRect(skin.Entry(kStatusLine).rect);
    m_statusFont = CreateSkinFont(kCaptionFont);
    m_versionFont = CreateSkinFont(kVersionFont);
}

LRESULT OptionMainWindow::OnInitDialog() {
    SetTimer(Handle(), option::kIconTimer, 0, nullptr);
    RefreshAllPages();
    UpdateVersionLine();
    return TRUE;
}

LRESULT OptionMainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int key = Skin().KeyOf(reinterpret_cast<HWND>(lParam));
    if (key != 0) {
        OnButton(key);
        return 0;
    }
    // A function-menu command that reaches the window as a message.
    if (lParam == 0 && kMenuCommands.Contains(LOWORD(wParam)) && m_chooser) {
        m_chooser->Apply(m_menuEntry, LOWORD(wParam));
        RefreshAllPages();
        return 0;
    }
    return SkinnedDialog::HandleMessage(WM_COMMAND, wParam, lParam);
}

void OptionMainWindow::OnButton(int key) {
    if (key >= kFirstSlot && key < kFirstSlot + kSlotButtonCount) return SelectSlot(key - kFirstSlot);
    if (key >= kFirstAssignment && key < kFirstAssignment + kAssignmentButtonCount)
        return ChooseFunction(key - kFirstAssignment);
    if (IsTab(key)) {
        for (int index = 0; index < kPageCount; ++index)
            if (kTabKeys[index] == key) ShowPage(static_cast<Page>(index));
        return;
    }
    switch (key) {
    case kNewProfile: EditProperties(true); break;
    case kImport: ImportProfile(); break;
    case kExport: ExportProfile(); break;
    case kProperties: EditProperties(false); break;
    case kMinimise: ShowWindow(Handle(), SW_MINIMIZE); break;
    case kClose:
    case kCloseSecond: CloseWindow(); break;
    case kOk:
        // Unsaved edits keep the window open: closing would lose them.
        if (Apply(option::kApplyCompare)) PostMessageA(Handle(), WM_CLOSE, 0, 0);
        break;
    case kApply: Apply(option::kApplyCompare); break;
    case kRightHand: SetOrientation(0); break;
    case kLeftHand: SetOrientation(1); break;
    case kManual: {
        char path[MAX_PATH * 2];
        std::string folder = m_programFolder.substr(0, m_programFolder.size() - 1);
        snprintf(path, sizeof path, option::kManualFormat, folder.c_str());
        OpenDocument(path);
        break;
    }
    case kResetCurrent: ResetCurrent(); break;
    case kResetAll: ResetAll(); break;
    case kHomePage: OpenDocument(option::kHomePageUrl); break;
    default: break;
    }
}

bool OptionMainWindow::Apply(int mode) {
    SetCapture(Handle());
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    m_waitingForAgent = true;
    for (int key : {kOk, kApply})
        if (SkinButton* button = Button(key)) button->Enable(false);
    const bool answerDue = m_session.Apply(mode);
    // The pointer settings are written: a tried double-click time is the
    // profile's now.
    if (PerformancePage* performance = PerformancePageOf(m_pages)) performance->EditsApplied();
    if (answerDue) SetTimer(Handle(), option::kApplyAnswerTimer, option::kApplyAnswerTimeoutMs, nullptr);
    else EndApplyWait();
    if (m_session.LastApplySaved()) return true;
    // The warning needs the pointer; OK and Apply stay disabled until the
    // agent answers as after any apply.
    if (GetCapture() == Handle()) ReleaseCapture();
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    WarningDialog warning(warning::kSaveFailedSkin);
    warning.Show(Handle());
    return false;
}

void OptionMainWindow::EndApplyWait() {
    KillTimer(Handle(), option::kApplyAnswerTimer);
    m_waitingForAgent = false;
    for (int key : {kOk, kApply})
        if (SkinButton* button = Button(key)) button->Enable(true);
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    if (GetCapture() == Handle()) ReleaseCapture();
}

void OptionMainWindow::CloseWindow() {
    if (GetCapture() == Handle()) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
        ReleaseCapture();
    }
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void OptionMainWindow::DropEdits() {
    // Edits not applied by now are dropped with the window: a double-click
    // time still on trial goes back to the system's earlier one.
    if (PerformancePage* performance = PerformancePageOf(m_pages)) performance->EditsDropped();
}

void OptionMainWindow::ChooseFunction(int entry) {
    SkinButton* button = Button(kFirstAssignment + entry);
    if (!button || !m_chooser) return;
    m_menuEntry = entry;
    if (m_chooser->Choose(Handle(), *button, entry) == AssignResult::Assigned) RefreshAllPages();
}

void OptionMainWindow::CaptionAssignmentButtons() {
    if (!m_chooser) return;
    for (int entry = 0; entry < kAssignmentButtonCount; ++entry)
        if (SkinButton* button = Button(kFirstAssignment + entry))
            button->SetCaption(m_chooser->Caption(entry, PrefixOrder::MainWindow));
}

void OptionMainWindow::SelectSlot(int slot) {
    m_session.SelectSlot(slot);
    RefreshAllPages();
}

void OptionMainWindow::SetOrientation(int orientation) {
    m_session.SetOrientation(orientation);
    RefreshAllPages();
}

void OptionMainWindow::RefreshAllPages() {
    const int slot = m_session.CurrentSlot();
    for (int index = 0; index < kSlotButtonCount; ++index)
        if (SkinButton* button = Button(kFirstSlot + index)) button->SetSelected(index == slot);
    const int orientation = CurrentProfile(m_session.Edit()).Orientation;
    if (SkinButton* right = Button(kRightHand)) right->SetSelected(orientation != 1);
    if (SkinButton* left = Button(kLeftHand)) left->SetSelected(orientation == 1);
    CaptionAssignmentButtons();
    for (int index = 0; index < kPageCount; ++index)
        if (ConfigPage* made = ShownBefore(static_cast<Page>(index))) made->Refresh();
    InvalidateRect(Handle(), nullptr, FALSE);
}

ConfigPage* OptionMainWindow::ShownBefore(Page page) const {
    ConfigPage* made = m_pages[static_cast<int>(page)].get();
    return made && made->PageWindow() ? made : nullptr;
}

ConfigPage* OptionMainWindow::MadePage(Page page) {
    const int index = static_cast<int>(page);
    ConfigPage* made = m_pages[index].get();
    if (!made || made->PageWindow()) return made;
    if (made->CreatePage(*this, Handle(), m_pageArea.left, m_pageArea.top, m_pageArea.right - m_pageArea.left,
                         m_pageArea.bottom - m_pageArea.top)) {
        // Tab reaches the page's controls after the page tabs, where it lies.
        Skin().PlaceInTabOrder(static_cast<HWND>(made->PageWindow()), m_pageArea);
        return made;
    }
    // A page whose skin cannot be loaded is not offered.
    m_pages[index].reset();
    if (SkinButton* tab = Button(kTabKeys[index])) tab->Enable(false);
    return nullptr;
}

void OptionMainWindow::ShowPage(Page page) {
    if (page == m_currentPage || !MadePage(page)) return;
    if (ConfigPage* current = ShownBefore(m_currentPage))
        ShowWindow(static_cast<HWND>(current->PageWindow()), SW_HIDE);
    // Pages share fields (the performance page's resolution choice is the
    // resolution page's last level): a page shown again shows the edit copy
    // as the other pages left it.
    ConfigPage& shown = *m_pages[static_cast<int>(page)];
    shown.Refresh();
    ShowWindow(static_cast<HWND>(shown.PageWindow()), SW_SHOW);
    m_currentPage = page;
    for (int index = 0; index < kPageCount; ++index)
        if (SkinButton* tab = Button(kTabKeys[index])) tab->SetSelected(index == static_cast<int>(page));
}

void OptionMainWindow::EditProperties(bool newProfile) {
    ProfilePropertiesDialog dialog(CurrentProfile(m_session.Edit()), newProfile);
    dialog.Show(Handle());
}

void OptionMainWindow::ImportProfile() {
    std::string path;
    if (!ChooseProfileToImport(Handle(), m_programFolder, path)) return;
    if (m_session.Import(path) != ImportResult::Imported) {
        WarningDialog(warning::kImportFailedSkin).Show(Handle());
        return;
    }
    RefreshAllPages();
    Apply(option::kApplyCompare);
}

void OptionMainWindow::ExportProfile() {
    std::string path;
    if (ChooseProfileToExport(Handle(), m_programFolder, path) && !m_session.Export(path))
        WarningDialog(warning::kExportFailedSkin).Show(Handle());
}

void OptionMainWindow::ResetCurrent() {
    WarningDialog confirm(warning::kResetCurrentSkin);
    if (confirm.Show(Handle()) != IDOK) return;
    m_session.ResetCurrent();
    RefreshAllPages();
    Apply(option::kApplyMarked);
}

void OptionMainWindow::ResetAll() {
    WarningDialog confirm(warning::kResetAllSkin);
    if (confirm.Show(Handle()) != IDOK) return;
    m_session.ResetAll();
    RefreshAllPages();
    Apply(option::kApplyMarked);
}

void OptionMainWindow::OpenDocument(const std::string& target) {
    static const auto shellExecute = LazyFunction<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    if (shellExecute) shellExecute(Handle(), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void OptionMainWindow::UpdateVersionLine() {
    m_versionLine = VersionLine(m_texts.Text(option::kStringSoftwareLabel), m_texts.Text(option::kStringFirmwareLabel),
                                m_session.FirmwareText());
    RedrawStatusLine();
}

void OptionMainWindow::RedrawStatusLine() { InvalidateRect(Handle(), &m_statusLine, FALSE); }

LRESULT OptionMainWindow::OnShowHint(WPARAM wParam) {
    m_hint = wParam ? CurrentHintText() : std::string();
    RedrawStatusLine();
    return 0;
}

void OptionMainWindow::PaintOverlay(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    RECT place = m_statusLine;
    place.left += kStatusPadding;
    place.right -= kStatusPadding;
    {
        SelectedObject font(dc, m_versionFont.Get());
        SetTextColor(dc, kVersionColour);
        DrawTextA(dc, m_versionLine.c_str(), -1, &place, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX | DT_NOCLIP);
    }
    SelectedObject font(dc, m_statusFont.Get());
    SetTextColor(dc, kHintColour);
    DrawTextA(dc, m_hint.c_str(), -1, &place, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
}

LRESULT OptionMainWindow::OnPaint() {
    if (!IsIconic(Handle())) return SkinnedDialog::HandleMessage(WM_PAINT, 0, 0);
    PaintDc paint(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(paint.Get(), x, y, m_icon);
    return 0;
}

LRESULT OptionMainWindow::OnLeftButtonDown(LPARAM lParam) {
    if (m_waitingForAgent) {
        // The window holds the capture while it waits: the close buttons are
        // reached through it.
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        for (int key : {kClose, kCloseSecond}) {
            RECT place = ToRect(Skin().Entry(key).rect);
            if (PtInRect(&place, point)) {
                CloseWindow();
                return 0;
            }
        }
        return 0;
    }
    PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
    return 0;
}

LRESULT OptionMainWindow::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    if (!m_waitingForAgent) return SkinnedDialog::HandleMessage(WM_SETCURSOR, wParam, lParam);
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    return TRUE;
}

LRESULT OptionMainWindow::OnDestroy() {
    KillTimer(Handle(), option::kApplyAnswerTimer);
    SetHintWindow(nullptr);
    for (auto& page : m_pages) page.reset();
    m_chooser.reset();
    m_sharedBlock.Detach();
    m_texts.Unload();
    return SkinnedDialog::HandleMessage(WM_DESTROY, 0, 0);
}
