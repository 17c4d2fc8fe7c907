// Device event words: formed from the HID transport library's two messages
// and decoded into calls on one handler interface.
#pragma once

#include <cstdint>

namespace device {

// Messages the HID transport library posts to the agent window.
constexpr unsigned kDeviceEventMessage = 1325;
constexpr unsigned kDevicePresenceMessage = 1326;

// Event types (high 16 bits of the word).
constexpr uint16_t kEventPresence = 0x7F00;
constexpr uint16_t kEventScroll = 0x1000;
constexpr uint16_t kEventReportInterval = 0x01F2;
constexpr uint16_t kEventProfileClass = 0x0800;  // 0x08xx
constexpr uint16_t kEventButton = 0x4000;
constexpr uint16_t kEventButtonQuiet = 0x5000;
constexpr uint16_t kEventProgramLaunch = 0x000A;
constexpr uint16_t kEventOpenOption = 0x00A0;
constexpr uint16_t kEventLevelClass = 0x0700;  // 0x07xx
constexpr uint16_t kEventSensitivity = 0xC000;
constexpr uint16_t kEventMedia = 0xF000;
constexpr uint16_t kEventClassMask = 0xFF00;

// Presence words.
constexpr uint32_t kPresenceAttached = 0x7F000001;
constexpr uint32_t kPresenceGone = 0x7F000002;
constexpr uint32_t kPresenceOther = 0x7F000000;

// Both message handlers return this.
constexpr long kDeviceMessageResult = 1;

struct DeviceEventWord {
    uint32_t Word;
    uint16_t Type() const { return static_cast<uint16_t>(Word >> 16); }
    uint16_t Data() const { return static_cast<uint16_t>(Word & 0xFFFF); }
    uint8_t Low() const { return static_cast<uint8_t>(Word & 0xFF); }
    uint8_t High() const { return static_cast<uint8_t>((Word >> 8) & 0xFF); }
};

// Message 1325: (wParam << 16) | (lParam & 0xFFFF).
DeviceEventWord EventWordFromEvent(uint64_t wParam, int64_t lParam);
// Message 1326: wParam 1 attached, 0 gone, anything else neither.
DeviceEventWord EventWordFromPresence(uint64_t wParam);

// Everything a decoded event can lead to. The agent implements arrival and
// removal, the action engine the rest.
class DeviceEventHandler {
public:
    virtual ~DeviceEventHandler() = default;
    virtual void OnArrival() = 0;
    virtual void OnRemoval() = 0;
    // -1 or +1.
    virtual void ScrollStep(int step) = 0;
    // The mouse changed profile (0x08xx), level (0x07xx), sensitivity
    // (0xC000) or report interval (0x01F2); also a host button press
    // (0x4000, data = button number). Ranges beyond the decoder's are the
    // handler's to check.
    virtual void DeviceStateNotice(uint16_t type, uint16_t data) = 0;
    // Button number 1..16 in the low byte, 0 press / non-zero release in
    // the high byte.
    virtual void ButtonAction(uint16_t data) = 0;
    // Button number 1..16, press only.
    virtual void ProgramLaunch(int button) = 0;
    virtual void OpenOption() = 0;
    // Command 32..39; release 0 press, non-zero release.
    virtual void MediaCommand(int command, int release) = 0;
};

// Tests the event type in the fixed order and calls the first matching row's
// handler when the data are in range; anything else is dropped.
// `deviceState` is the current device state word.
void DecodeDeviceEvent(DeviceEventWord event, int32_t deviceState, DeviceEventHandler& handler);

}  // namespace device
