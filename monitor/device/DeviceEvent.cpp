#include "monitor/device/DeviceEvent.h"

#include "monitor/device/DeviceLinkState.h"

namespace device {

namespace {

constexpr uint16_t kExactMatch = 0xFFFF;

// Presence data.
constexpr uint16_t kPresenceAttachedData = 1;
constexpr uint16_t kPresenceGoneData = 2;

// Scroll data: one notch each way.
constexpr uint16_t kScrollBackData = 1;
constexpr uint16_t kScrollForwardData = 255;

constexpr int kFirstButton = 1;
constexpr int kLastButton = 16;
constexpr int kLastReportInterval = 8;
constexpr int kLastLevel = 8;
constexpr int kFirstMediaCommand = 32;
constexpr int kLastMediaCommand = 39;

bool InRange(int value, int first, int last) { return value >= first && value <= last; }

using RowAction = void (*)(DeviceEventWord event, int32_t deviceState, DeviceEventHandler& handler);

struct DecoderRow {
    uint16_t Mask;
    uint16_t Type;
    RowAction Act;
};

void Presence(DeviceEventWord event, int32_t deviceState, DeviceEventHandler& handler) {
    if (event.Data() == kPresenceAttachedData && ArrivalApplies(deviceState)) handler.OnArrival();
    else if (event.Data() == kPresenceGoneData && RemovalApplies(deviceState)) handler.OnRemoval();
}

void Scroll(DeviceEventWord event, int32_t, DeviceEventHandler& handler) {
    if (event.Data() == kScrollBackData) handler.ScrollStep(-1);
    else if (event.Data() == kScrollForwardData) handler.ScrollStep(+1);
}

void ReportInterval(DeviceEventWord event, int32_t, DeviceEventHandler& handler) {
    if (InRange(event.Data(), 1, kLastReportInterval)) handler.DeviceStateNotice(event.Type(), event.Data());
}

void Notice(DeviceEventWord event, int32_t, DeviceEventHandler& handler) {
    handler.DeviceStateNotice(event.Type(), event.Data());
}

void Button(DeviceEventWord event, int32_t, DeviceEventHandler& handler) {
    if (!InRange(event.Low(), kFirstButton, kLastButton)) return;
    handler.ButtonAction(event.Data());
    if (event.High() == 0) handler.DeviceStateNotice(event.Type(), event.Low());
}

void QuietButton(DeviceEventWord event, int32_t, DeviceEventHandler& handler) {
    if (InRange(event.Low(), kFirstButton, kLastButton)) handler.ButtonAction(event.Data());
}

void Launch(DeviceEventWord event, int32_t, DeviceEventHandler& handler) {
    if (InRange(event.Low(), kFirstButton, kLastButton) && event.High() == 0)
        handler.ProgramLaunch(event.Low());
}

void Option(DeviceEventWord, int32_t, DeviceEventHandler& handler) { handler.OpenOption(); }

void Level(DeviceEventWord event, int32_t, DeviceEventHandler& handler) {
    if (InRange(event.Data(), 1, kLastLevel)) handler.DeviceStateNotice(event.Type(), event.Data());
}

void Media(DeviceEventWord event, int32_t, DeviceEventHandler& handler) {
    if (InRange(event.Low(), kFirstMediaCommand, kLastMediaCommand))
        handler.MediaCommand(event.Low(), event.High());
}

// Tested in this order; the first row whose type matches acts.
constexpr DecoderRow kDecoderRows[] = {
    {kExactMatch, kEventPresence, Presence},
    {kExactMatch, kEventScroll, Scroll},
    {kExactMatch, kEventReportInterval, ReportInterval},
    {kEventClassMask, kEventProfileClass, Notice},
    {kExactMatch, kEventButton, Button},
    {kExactMatch, kEventButtonQuiet, QuietButton},
    {kExactMatch, kEventProgramLaunch, Launch},
    {kExactMatch, kEventOpenOption, Option},
    {kEventClassMask, kEventLevelClass, Level},
    {kExactMatch, kEventSensitivity, Notice},
    {kExactMatch, kEventMedia, Media},
};

}  // namespace

DeviceEventWord EventWordFromEvent(uint64_t wParam, int64_t lParam) {
    return {static_cast<uint32_t>(wParam << 16) | static_cast<uint32_t>(lParam & 0xFFFF)};
}

DeviceEventWord EventWordFromPresence(uint64_t wParam) {
    switch (wParam) {
    case 1: return {kPresenceAttached};
    case 0: return {kPresenceGone};
    default: return {kPresenceOther};
    }
}

void DecodeDeviceEvent(DeviceEventWord event, int32_t deviceState, DeviceEventHandler& handler) {
    for (const DecoderRow& row : kDecoderRows) {
        if ((event.Type() & row.Mask) != row.Type) continue;
        row.Act(event, deviceState, handler);
        return;
    }
}

}  // namespace device
