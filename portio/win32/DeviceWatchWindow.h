// Hidden window that notices the mouse coming and going: device-interface
// arrival and removal broadcasts for the HID class, and, because not every
// system delivers those, a check every kDevicePollPeriodMs as well.
#pragma once

#include "frame/Window.h"

#include <functional>

namespace portio {

constexpr UINT kDevicePollPeriodMs = 2000;

class DeviceWatchWindow : public Window {
public:
    explicit DeviceWatchWindow(std::function<void()> onChange) : m_onChange(std::move(onChange)) {}
    ~DeviceWatchWindow() override;
    bool Create();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCheck();

    std::function<void()> m_onChange;
    HDEVNOTIFY m_notification = nullptr;
};

constexpr char kDeviceWatchWindowClass[] = "PortioDeviceWatch";

}  // namespace portio
