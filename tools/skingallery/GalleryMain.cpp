// SkinGallery [skin folder]
// Opens the two gallery windows side by side, skinned from the given folder
// (default: the "skins" folder beside the program), until both are closed.
#include <windows.h>

#include "skin/win32/MenuFrameHook.h"
#include "skin/win32/WindowSkin.h"
#include "tools/skingallery/ButtonGallery.h"
#include "tools/skingallery/ValueGallery.h"

namespace {

constexpr int kWindowGap = 10;

std::string WithTrailingBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) SetSkinFolder(WithTrailingBackslash(argv[1]));
    MenuFrameHook::Install();
    ButtonGallery buttons;
    ValueGallery values;
    if (!buttons.Create() || !values.Create()) return 1;
    RECT placed{};
    GetWindowRect(buttons.Handle(), &placed);
    SetWindowPos(values.Handle(), nullptr, placed.right + kWindowGap, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    MSG message;
    while ((IsWindow(buttons.Handle()) || IsWindow(values.Handle())) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    MenuFrameHook::Uninstall();
    return 0;
}
