#include "OptionFolder.h"

#include <cstdio>
#include <fstream>

#include "testing/ClickUntil.h"
#include "testing/DamagedFiles.h"
#include "testing/DistFolder.h"
#include "testing/PointerHandOver.h"
#include "testing/PointerInput.h"
#include "testing/ProgramRun.h"

namespace optiontest {

namespace {

constexpr char kOptionTitle[] = "TARVIK-Q7 Gaming Mouse Option";
constexpr char kAgentTitle[] = "TARVIK-Q7 Gaming Mouse Monitor";
constexpr UINT kAgentExitCommand = 6002;
constexpr char kTransferLogName[] = "transfers.log";
constexpr char kDialogClass[] = "FrameDialog";
// The writer is idle when the log has not grown for this long.
constexpr ULONGLONG kQuietLogMs = 1500;
// Text on the dark skin is at least this light in every channel.
constexpr int kTextBrightness = 100;
constexpr int kDragSteps = 10;
// How long a move may take to reach the program under load.
constexpr DWORD kHandOverMs = 10000;

struct DialogSearch {
    DWORD process;
    HWND mainWindow;
    HWND found;
    const char* className;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<DialogSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (process == search->process && window != search->mainWindow && IsWindowVisible(window) &&
        strcmp(className, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Ends the process as a crash would.
void Kill(HANDLE& process) {
    if (!process) return;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, kDeadlineMs);
    CloseHandle(process);
    process = nullptr;
}

}  // namespace

const std::vector<uint8_t> kOpeningCommand = {0x01, 0x88, 0x02, 0x00, 0x00, 0x00, 0x00, 0x74};

std::vector<uint8_t> SelectCommand(int profileNumber) {
    const uint8_t number = static_cast<uint8_t>(profileNumber);
    return {0x02, number, 0x00, 0x00, 0x00, 0x00, 0x00, static_cast<uint8_t>(0xFF - 0x02 - number)};
}

OptionFolder::OptionFolder() {
    CreateDirectoryA((m_path + "config").c_str(), nullptr);
    CreateDirectoryA((m_path + "skins").c_str(), nullptr);
    const std::string dist = testsupport::DistFolder();
    for (const char* name : {"Option.exe", "Monitor.exe", "portio.dll", "strtab.dll"})
        Copy(dist + name, m_path + name);
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((dist + "skins\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        m_missing = "no skins in " + dist;
    } else {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                Copy(dist + "skins\\" + found.cFileName, m_path + "skins\\" + found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::ofstream ini(m_path + "portio.ini");
    ini << "[VirtualMouse]\r\nEnabled=1\r\nAttached=1\r\nLog=" << kTransferLogName << "\r\n";
}

OptionFolder::~OptionFolder() {
    if (m_option) {
        HWND window = FindWindowA(nullptr, kOptionTitle);
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_option, kDeadlineMs) != WAIT_OBJECT_0) TerminateProcess(m_option, 1);
        CloseHandle(m_option);
    }
    StopAgent();
}

bool OptionFolder::Copy(const std::string& from, const std::string& to) {
    if (CopyFileA(from.c_str(), to.c_str(), FALSE)) return true;
    if (m_missing.empty()) m_missing = "missing " + from;
    return false;
}

HANDLE OptionFolder::Start(const std::string& program) const {
    return testsupport::StartProgram("\"" + m_path + program + "\"", m_path);
}

bool OptionFolder::StartAgent() {
    const size_t openingsBefore = CountTransfers(kOpeningCommand);
    m_agent = Start("Monitor.exe");
    if (!m_agent) return false;
    if (!WaitFor([] { return FindWindowA(nullptr, kAgentTitle) != nullptr; })) return false;
    if (!WaitForTransferCount(kOpeningCommand, openingsBefore + 1)) return false;
    // Idle once the first full write is over.
    return testsupport::WaitForQuiet([&] { return SetFeatureTransfers().size(); }, kQuietLogMs);
}

void OptionFolder::KillAgent() { Kill(m_agent); }

bool OptionFolder::StopAgent() {
    if (!m_agent) return true;
    HWND window = FindWindowA(nullptr, kAgentTitle);
    if (window) PostMessageA(window, WM_COMMAND, kAgentExitCommand, 0);
    const bool ended = WaitForSingleObject(m_agent, kDeadlineMs) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(m_agent, 1);
    CloseHandle(m_agent);
    m_agent = nullptr;
    return ended;
}

HWND OptionFolder::StartOption() {
    if (m_option) CloseHandle(m_option);
    m_option = Start("Option.exe");
    if (!m_option) return nullptr;
    HWND window = nullptr;
    WaitFor([&] {
        window = FindWindowA(nullptr, kOptionTitle);
        return window && IsWindowVisible(window);
    });
    if (window) SetForegroundWindow(window);
    return window;
}

long OptionFolder::RunSecondOption() {
    HANDLE second = Start("Option.exe");
    if (!second) return -1;
    const long code = testsupport::WaitForExit(second);
    if (code == -1) TerminateProcess(second, 1);
    CloseHandle(second);
    return code;
}

void OptionFolder::KillOption() { Kill(m_option); }

bool OptionFolder::WaitForOptionEnd() {
    return m_option && WaitForSingleObject(m_option, kDeadlineMs) == WAIT_OBJECT_0;
}

bool OptionFolder::KeyRect(HWND window, const std::string& skinFile, int key, RECT& screenRect) const {
    char entry[512] = {};
    GetPrivateProfileStringA("BUTTONPOS", std::to_string(key).c_str(), "", entry, sizeof entry,
                             (m_path + "skins\\" + skinFile).c_str());
    char name[64] = {};
    int x = 0, y = 0, width = 0, height = 0;
    if (sscanf(entry, "%63[^,],%d,%d,%d,%d", name, &x, &y, &width, &height) != 5) return false;
    RECT place{};
    if (!GetWindowRect(window, &place)) return false;
    screenRect = RECT{place.left + x, place.top + y, place.left + x + width, place.top + y + height};
    return true;
}

bool OptionFolder::KeyCentre(HWND window, const std::string& skinFile, int key, POINT& centre) const {
    RECT place{};
    if (!KeyRect(window, skinFile, key, place)) return false;
    centre = POINT{place.left + (place.right - place.left) / 2, place.top + (place.bottom - place.top) / 2};
    return true;
}

void OptionFolder::MovePointer(int x, int y) {
    testsupport::MovePointerTo(POINT{x, y});
}

void OptionFolder::MovePointerAndWait(int x, int y) {
    MovePointer(x, y);
    testsupport::WaitForPointerHandOver(POINT{x, y}, kHandOverMs);
}

void OptionFolder::ClickAt(int x, int y) {
    MovePointerAndWait(x, y);
    testsupport::SendClickAt(POINT{x, y});
}

bool OptionFolder::DragFromTo(HWND target, POINT from, POINT to) {
    MovePointerAndWait(from.x, from.y);
    testsupport::SendLeftButtonAt(from, true);
    const DWORD thread = GetWindowThreadProcessId(target, nullptr);
    auto captureIs = [thread](HWND expected) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread, &info) && info.hwndCapture == expected;
    };
    const bool captured = WaitFor([&] { return captureIs(target); });
    for (int step = 1; step <= kDragSteps; ++step)
        MovePointer(from.x + (to.x - from.x) * step / kDragSteps, from.y + (to.y - from.y) * step / kDragSteps);
    testsupport::SendLeftButtonAt(to, false);
    // Until the release is handled, the next click would go to the target.
    return captured && WaitFor([&] { return captureIs(nullptr); });
}

bool OptionFolder::PointAt(HWND window, const std::string& skinFile, int key) const {
    POINT centre{};
    if (!KeyCentre(window, skinFile, key, centre)) return false;
    MovePointerAndWait(centre.x, centre.y);
    return true;
}

bool OptionFolder::ShowsText(HWND window, const std::string& skinFile, int key) const {
    POINT centre{};
    RECT place{};
    if (!KeyCentre(window, skinFile, key, centre) || !GetWindowRect(window, &place)) return false;
    // The rectangle's left half, scanned row by row at the centre's height band.
    HDC screen = GetDC(nullptr);
    bool found = false;
    for (int y = centre.y - 4; y <= centre.y + 4 && !found; ++y)
        for (int x = place.left + 20; x < centre.x && !found; ++x) {
            const COLORREF colour = GetPixel(screen, x, y);
            found = GetRValue(colour) >= kTextBrightness && GetGValue(colour) >= kTextBrightness &&
                    GetBValue(colour) >= kTextBrightness;
        }
    ReleaseDC(nullptr, screen);
    return found;
}

bool OptionFolder::ControlEnabled(HWND window, const std::string& skinFile, int key) const {
    POINT centre{};
    if (!KeyCentre(window, skinFile, key, centre)) return false;
    ScreenToClient(window, &centre);
    HWND control = ChildWindowFromPointEx(window, centre, CWP_SKIPINVISIBLE);
    return control && control != window && IsWindowEnabled(control);
}

bool OptionFolder::Click(HWND window, const std::string& skinFile, int key) const {
    POINT centre{};
    if (!KeyCentre(window, skinFile, key, centre)) return false;
    ClickAt(centre.x, centre.y);
    return true;
}

bool OptionFolder::ClickUntil(HWND window, const std::string& skinFile, int key,
                              const std::function<bool()>& done) const {
    POINT centre{};
    return KeyCentre(window, skinFile, key, centre) &&
           testsupport::ClickUntil(centre, done, "key " + std::to_string(key) + " of " + skinFile);
}

bool OptionFolder::ClickUntilChanged(HWND window, const std::string& skinFile, int key, int watched) const {
    const std::vector<COLORREF> before = KeyPixels(window, skinFile, watched);
    return ClickUntil(window, skinFile, key, [&] {
        // The screen's corner: off every window of the program.
        MovePointer(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
        return KeyPixels(window, skinFile, watched) != before;
    });
}

std::vector<COLORREF> OptionFolder::KeyPixels(HWND window, const std::string& skinFile, int key) const {
    std::vector<COLORREF> pixels;
    RECT place{};
    if (!KeyRect(window, skinFile, key, place)) return pixels;
    HDC screen = GetDC(nullptr);
    for (int y = place.top; y < place.bottom; ++y)
        for (int x = place.left; x < place.right; ++x) pixels.push_back(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

HWND OptionFolder::WaitForWindowOfClass(const char* className, HWND except, DWORD deadlineMs) const {
    DialogSearch search{GetProcessId(m_option), except, nullptr, className};
    WaitFor(
        [&] {
            EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        deadlineMs);
    return search.found;
}

HWND OptionFolder::EnterInFileDialog(HWND mainWindow, const std::string& path) const {
    HWND dialog = WaitForWindowOfClass("#32770", mainWindow);
    if (!dialog) return nullptr;
    SetForegroundWindow(dialog);
    testsupport::TypeText(path);
    testsupport::PressKey(VK_RETURN);
    return dialog;
}

HWND OptionFolder::WaitForShownChild(HWND parent, const char* title, DWORD deadlineMs) {
    HWND child = nullptr;
    WaitFor(
        [&] {
            child = FindWindowExA(parent, nullptr, nullptr, title);
            return child && IsWindowVisible(child);
        },
        deadlineMs);
    return child && IsWindowVisible(child) ? child : nullptr;
}

HWND OptionFolder::WaitForDialog(HWND mainWindow, DWORD deadlineMs) const {
    return WaitForWindowOfClass(kDialogClass, mainWindow, deadlineMs);
}

std::string OptionFolder::Setting(const char* section, const char* key) const {
    return testsupport::IniValue(m_path + "config.ini", section, key);
}

std::vector<portio::TransferRecord> OptionFolder::Transfers() const {
    std::vector<portio::TransferRecord> records;
    for (const std::string& line : testsupport::ReadLines(m_path + kTransferLogName)) {
        portio::TransferRecord record;
        if (portio::ParseTransferLine(line, record)) records.push_back(record);
    }
    return records;
}

std::vector<std::vector<uint8_t>> OptionFolder::SetFeatureTransfers() const {
    std::vector<std::vector<uint8_t>> transfers;
    for (const auto& record : Transfers())
        if (record.Kind == portio::kSetFeatureTransfer) transfers.push_back(record.Bytes);
    return transfers;
}

std::vector<uint8_t> OptionFolder::AllTransferBytes() const {
    std::vector<uint8_t> bytes;
    for (const auto& record : Transfers()) bytes.insert(bytes.end(), record.Bytes.begin(), record.Bytes.end());
    return bytes;
}

std::vector<uint8_t> OptionFolder::DataAfterLast(const std::vector<uint8_t>& command) const {
    std::vector<uint8_t> data;
    bool afterCommand = false;
    for (const auto& record : Transfers()) {
        if (record.Kind == portio::kSetFeatureTransfer) {
            afterCommand = record.Bytes.size() >= command.size() &&
                           std::equal(command.begin(), command.end(), record.Bytes.begin());
            // A later command whose data has not been logged yet gives nothing.
            if (afterCommand) data.clear();
        } else if (afterCommand) {
            data.insert(data.end(), record.Bytes.begin(), record.Bytes.end());
        }
    }
    return data;
}

size_t OptionFolder::CountTransfers(const std::vector<uint8_t>& bytes) const {
    size_t count = 0;
    for (const auto& transfer : SetFeatureTransfers())
        if (transfer.size() >= bytes.size() && std::equal(bytes.begin(), bytes.end(), transfer.begin())) ++count;
    return count;
}

bool OptionFolder::WaitForTransferCount(const std::vector<uint8_t>& bytes, size_t count) const {
    return WaitFor([&] { return CountTransfers(bytes) >= count; });
}

}  // namespace optiontest
