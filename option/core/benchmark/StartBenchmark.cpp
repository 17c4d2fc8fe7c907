// Start benchmark: the time from starting Option.exe to the first paint of
// its main window on the screen, divided by the same for a bare Win32 dialog
// program, both measured in this run, several rounds each (medians).
//   option_start_benchmark.exe [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "testing/DistFolder.h"
#include "testing/TempFolder.h"

namespace {

constexpr int kDefaultRounds = 5;
constexpr DWORD kDeadlineMs = 60000;
constexpr char kOptionTitle[] = "TARVIK-Q7 Gaming Mouse Option";
// A pixel of each window that only its painted face has: the red mark in
// Option's title bar, and the system's dialog face in the bare dialog.
constexpr POINT kOptionProbe{13, 14};
constexpr COLORREF kOptionProbeColour = RGB(230, 30, 30);
constexpr POINT kBareProbe{520, 265};

struct Program {
    std::string path;
    POINT probe;
    COLORREF colour;
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (to.QuadPart - from.QuadPart) * 1000.0 / frequency.QuadPart;
}

COLORREF ScreenPixel(POINT at) {
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

struct Times {
    double painted;   // the probe shows the colour
    double answered;  // the window has answered a message
};

HWND WindowOf(DWORD process) {
    std::pair<DWORD, HWND> search{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            auto* search = reinterpret_cast<std::pair<DWORD, HWND>*>(found);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != search->first || !IsWindowVisible(window)) return TRUE;
            search->second = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// Starts the program and returns the milliseconds until the probe shows
// the colour and until its window answers (negative on failure), then
// closes the program.
Times MeasureOnce(const Program& program) {
    if (ScreenPixel(program.probe) == program.colour) return {-1, -1};  // a leftover window
    std::string commandLine = "\"" + program.path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start, painted;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {-1, -1};
    const ULONGLONG deadline = GetTickCount64() + kDeadlineMs;
    bool shown = false;
    while (!(shown = ScreenPixel(program.probe) == program.colour) && GetTickCount64() < deadline) Sleep(1);
    QueryPerformanceCounter(&painted);
    DWORD_PTR result = 0;
    HWND window = WindowOf(process.dwProcessId);
    const bool answered = window && SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kDeadlineMs, &result);
    LARGE_INTEGER answer;
    QueryPerformanceCounter(&answer);
    // Close every top-level window of the process and wait for its end.
    EnumWindows(
        [](HWND window, LPARAM id) -> BOOL {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == static_cast<DWORD>(id)) PostMessageA(window, WM_CLOSE, 0, 0);
            return TRUE;
        },
        static_cast<LPARAM>(process.dwProcessId));
    if (WaitForSingleObject(process.hProcess, kDeadlineMs) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // The screen must be clear of the window before the next round.
    const ULONGLONG gone = GetTickCount64() + kDeadlineMs;
    while (ScreenPixel(program.probe) == program.colour && GetTickCount64() < gone) Sleep(10);
    if (!shown || !answered) return {-1, -1};
    return {Milliseconds(start, painted), Milliseconds(start, answer)};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool CopyFolderFiles(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((from + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileA((from + found.cFileName).c_str(), (to + found.cFileName).c_str(), FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : kDefaultRounds;
    // Option in a program folder of its own, without an agent.
    testsupport::TempFolder folder("optionbenchmark");
    const std::string dist = testsupport::DistFolder();
    CreateDirectoryA((folder.Path() + "config").c_str(), nullptr);
    if (!CopyFileA((dist + "Option.exe").c_str(), (folder.Path() + "Option.exe").c_str(), FALSE) ||
        !CopyFolderFiles(dist + "skins\\", folder.Path() + "skins\\")) {
        fprintf(stderr, "benchmark: Option.exe or the skins are missing in %s\n", dist.c_str());
        return 1;
    }
    CopyFileA((dist + "strtab.dll").c_str(), (folder.Path() + "strtab.dll").c_str(), FALSE);
    const Program option{folder.Path() + "Option.exe", kOptionProbe, kOptionProbeColour};
    const Program bare{testsupport::TestFolder() + "option_bare_dialog.exe", kBareProbe, GetSysColor(COLOR_BTNFACE)};

    std::vector<double> optionTimes, bareTimes, optionAnswers, bareAnswers;
    for (int round = 0; round < rounds; ++round) {
        // Alternating, so that both see the same state of the machine.
        const Times optionMs = MeasureOnce(option);
        const Times bareMs = MeasureOnce(bare);
        if (optionMs.painted < 0 || bareMs.painted < 0) {
            fprintf(stderr, "benchmark: round %d failed\n", round + 1);
            return 1;
        }
        printf("round %d: Option %.1f ms (answers at %.1f), bare dialog %.1f ms (answers at %.1f)\n", round + 1,
               optionMs.painted, optionMs.answered, bareMs.painted, bareMs.answered);
        optionTimes.push_back(optionMs.painted);
        bareTimes.push_back(bareMs.painted);
        optionAnswers.push_back(optionMs.answered);
        bareAnswers.push_back(bareMs.answered);
    }
    const double optionMedian = Median(optionTimes), bareMedian = Median(bareTimes);
    printf("start to first paint, median of %d: Option.exe %.1f ms, bare dialog %.1f ms, ratio %.2f\n", rounds,
           optionMedian, bareMedian, optionMedian / bareMedian);
    printf("start to answering input, median of %d: Option.exe %.1f ms, bare dialog %.1f ms, ratio %.2f\n", rounds,
           Median(optionAnswers), Median(bareAnswers), Median(optionAnswers) / Median(bareAnswers));
    return 0;
}
