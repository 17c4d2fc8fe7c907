// Stand-in for Option.exe in the agent's tests: a visible window titled like
// the real one that appends one line per event to "standin-option.log"
// beside the program: "start", "message <number> <wParam> <lParam>" for the
// messages the agent sends Option, "close" for WM_CLOSE.
#include "frame/Window.h"

#include <cstdio>
#include <string>

namespace {

constexpr char kTitle[] = "TARVIK-Q7 Gaming Mouse Option";
constexpr char kClassName[] = "TarvikStandinOption";
constexpr char kLogFileName[] = "standin-option.log";
constexpr UINT kFirstAgentMessage = 1254;
constexpr UINT kLastAgentMessage = 1258;

std::string LogPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/") + 1) + kLogFileName;
}

void Record(const std::string& line) {
    FILE* file = fopen(LogPath().c_str(), "a");
    if (!file) return;
    fprintf(file, "%s\n", line.c_str());
    fclose(file);
}

class StandinWindow : public Window {
protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= kFirstAgentMessage && message <= kLastAgentMessage) {
            char line[96];
            snprintf(line, sizeof line, "message %u %llu %lld", message, static_cast<unsigned long long>(wParam),
                     static_cast<long long>(lParam));
            Record(line);
            return 0;
        }
        switch (message) {
            case WM_CLOSE: Record("close"); DestroyWindow(Handle()); return 0;
            case WM_DESTROY: PostQuitMessage(0); return 0;
            default: return DefaultProcessing(message, wParam, lParam);
        }
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Record("start");
    StandinWindow window;
    if (!window.Create(kClassName, kTitle, WS_OVERLAPPEDWINDOW, 0, 50, 50, 320, 200, nullptr, nullptr, 0,
                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), LoadCursor(nullptr, IDC_ARROW))) {
        return 1;
    }
    ShowWindow(window.Handle(), SW_SHOWNORMAL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
