// How a controller (portioctl) drives the virtual mouse: it finds the
// hidden control window by class and title and sends it these messages.
// Each returns 1 when done and 0 when the virtual mouse refused.
#pragma once

#include <cstdint>

namespace portio {

constexpr char kControlWindowClass[] = "PortioVirtualMouseControl";
constexpr char kControlWindowTitle[] = "Virtual Mouse Control";

constexpr unsigned kApplicationMessageBase = 0x8000;  // WM_APP
// Plug the mouse in; posts the presence message with wParam 1.
constexpr unsigned kAttachMessage = kApplicationMessageBase + 1;
// Unplug it: channels close, posts the presence message with wParam 0.
constexpr unsigned kDetachMessage = kApplicationMessageBase + 2;
// wParam = event type, lParam = event data; posted as the event message.
// Refused while the mouse is detached or no monitor is open.
constexpr unsigned kSendEventMessage = kApplicationMessageBase + 3;
// wParam = the window that receives the text as WM_COPYDATA (dwData =
// kStateReplyTag, the text without a terminating zero); lParam = a
// StateForm.
constexpr unsigned kReportStateMessage = kApplicationMessageBase + 4;

constexpr uintptr_t kStateReplyTag = 0x504F5254;  // "PORT"

enum StateForm : int {
    kDecodedState = 0,
    kRawState = 1,
};

}  // namespace portio
