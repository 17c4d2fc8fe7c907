// Input the engine synthesises into the system: keybd_event, mouse_event and
// the pointer position. The Win32 adapter passes the values through.
#pragma once

#include <cstdint>

namespace actions {

struct ScreenPoint {
    int X = 0;
    int Y = 0;
};

class InputSynthesis {
public:
    virtual ~InputSynthesis() = default;
    virtual void KeyboardEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) = 0;
    virtual void MouseEvent(uint32_t flags, uint32_t data, uintptr_t extraInfo) = 0;
    // GetMessageExtraInfo of the calling thread.
    virtual uintptr_t MessageExtraInfo() = 0;
    // GetSystemMetrics(SM_SWAPBUTTON) non-zero.
    virtual bool ButtonsSwapped() = 0;
    virtual ScreenPoint CursorPosition() = 0;
    virtual void MoveCursor(ScreenPoint point) = 0;
};

}  // namespace actions
