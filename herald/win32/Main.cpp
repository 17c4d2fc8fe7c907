// Herald.exe: the on-screen display program Monitor starts from the program
// folder; it lives until its window receives WM_CLOSE.
#include "HeraldWindow.h"
#include "herald/HeraldConstants.h"

#include <windows.h>

#include <string>

namespace {

// The folder of this executable with a trailing backslash.
std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // One display is enough: a second start (say, a restarted agent) leaves.
    if (FindWindowA(nullptr, herald::kWindowTitle)) return 0;

    herald::HeraldWindow window(ProgramFolder());
    if (!window.Create()) return 1;

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
