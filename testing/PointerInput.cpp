#include "testing/PointerInput.h"

namespace testsupport {

namespace {
constexpr int kAbsoluteScale = 65535;

INPUT KeyEvent(WORD virtualKey, WORD unicode, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = unicode ? unicode : static_cast<WORD>(MapVirtualKeyA(virtualKey, 0));
    input.ki.dwFlags = (unicode ? KEYEVENTF_UNICODE : 0) | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

void SendStroke(WORD virtualKey, WORD unicode) {
    INPUT stroke[2] = {KeyEvent(virtualKey, unicode, false), KeyEvent(virtualKey, unicode, true)};
    SendInput(2, stroke, sizeof(INPUT));
}
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

void SendKey(WORD virtualKey, bool up) {
    INPUT key = KeyEvent(virtualKey, 0, up);
    SendInput(1, &key, sizeof key);
}

void PressKey(WORD virtualKey) { SendStroke(virtualKey, 0); }

void TypeText(const std::string& text) {
    for (char c : text) SendStroke(0, static_cast<unsigned char>(c));
}

}  // namespace testsupport
