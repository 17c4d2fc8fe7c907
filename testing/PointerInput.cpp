#include "testing/PointerInput.h"

namespace testsupport {

namespace {
constexpr int kAbsoluteScale = 65535;
}  // namespace

INPUT PointerEventAt(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = screen.x * kAbsoluteScale / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = screen.y * kAbsoluteScale / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void MovePointerTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT move = PointerEventAt(screen, 0);
    SendInput(1, &move, sizeof move);
}

void SendClickAt(POINT screen, bool rightButton) {
    INPUT click[2] = {PointerEventAt(screen, rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                      PointerEventAt(screen, rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
    SendInput(2, click, sizeof(INPUT));
}

void SendLeftButtonAt(POINT screen, bool down) {
    INPUT button = PointerEventAt(screen, down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    SendInput(1, &button, sizeof button);
}

}  // namespace testsupport
