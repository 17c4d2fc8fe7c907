// Input synthesis through keybd_event and mouse_event, the cursor and the
// button swap of the running system.
#pragma once

#include "monitor/actions/InputSynthesis.h"

namespace actions {

class Win32Input : public InputSynthesis {
public:
    void KeyboardEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) override;
    void MouseEvent(uint32_t flags, uint32_t data, uintptr_t extraInfo) override;
    uintptr_t MessageExtraInfo() override;
    bool ButtonsSwapped() override;
    ScreenPoint CursorPosition() override;
    void MoveCursor(ScreenPoint point) override;
};

}  // namespace actions
