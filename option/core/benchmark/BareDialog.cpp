// The reference of the start benchmark: a bare Win32 dialog of the main
// window's size at the same place, painted by the system alone.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 1140;
constexpr int kHeight = 624;

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowPos(dialog, nullptr, 0, 0, kWidth, kHeight, SWP_NOZORDER);
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // A template without controls, menu, class or title.
    std::vector<uint16_t> words(sizeof(DLGTEMPLATE) / sizeof(uint16_t) + 3, 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = WS_POPUP | WS_VISIBLE;
    return static_cast<int>(
        DialogBoxIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(words.data()), nullptr, Procedure, 0));
}
