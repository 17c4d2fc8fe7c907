// Waits until a top-level window with the given title exists (present) or no
// longer exists (absent); the installer test asks it about the installed
// programs, whose windows may be hidden.
//   WindowProbe present|absent <title>
// Exit codes: 0 as asked, 1 not within the deadline, 2 bad command line.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD kDeadlineMs = 60000;
constexpr DWORD kPollMs = 100;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "present") != 0 && std::strcmp(argv[1], "absent") != 0)) {
        std::fprintf(stderr, "usage: WindowProbe present|absent <title>\n");
        return 2;
    }
    const bool wantPresent = std::strcmp(argv[1], "present") == 0;
    const DWORD start = GetTickCount();
    for (;;) {
        const bool present = FindWindowA(nullptr, argv[2]) != nullptr;
        if (present == wantPresent) return 0;
        if (GetTickCount() - start > kDeadlineMs) break;
        Sleep(kPollMs);
    }
    std::fprintf(stderr, "WindowProbe: \"%s\" still %s after %lu ms\n", argv[2], wantPresent ? "absent" : "present",
                 static_cast<unsigned long>(kDeadlineMs));
    return 1;
}
