// The hidden window through which a controller attaches, detaches and
// drives the virtual mouse (messages in portio/ControlProtocol.h).
#pragma once

#include "frame/Window.h"

#include <string>

namespace portio {

// What the control window asks of the virtual mouse.
class VirtualMouseControl {
public:
    virtual ~VirtualMouseControl() = default;
    virtual bool Attach() = 0;
    virtual bool Detach() = 0;
    virtual bool SendEvent(unsigned type, unsigned data) = 0;
    virtual std::string StateText(int form) = 0;
};

class ControlWindow : public Window {
public:
    explicit ControlWindow(VirtualMouseControl& control) : m_control(control) {}
    bool Create();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnReportState(HWND replyWindow, int form);

    VirtualMouseControl& m_control;
};

}  // namespace portio
