#include "monitor/actions/MacroPlayer.h"

#include "monitor/actions/ActionConstants.h"
#include "profile/FunctionCodes.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace actions {

namespace {

constexpr uint8_t kFirstMouseKeyCode = 240;
constexpr uint8_t kLastMouseKeyCode = 244;

struct MouseButtonRow {
    uint8_t KeyCode;
    uint32_t Down;
    uint32_t Up;
    uint32_t Data;
};
constexpr MouseButtonRow kMouseButtons[] = {
    {240, kMouseLeftDown, kMouseLeftUp, 0},
    {241, kMouseRightDown, kMouseRightUp, 0},
    {242, kMouseMiddleDown, kMouseMiddleUp, 0},
    {243, kMouseXDown, kMouseXUp, kXButton2},
    {244, kMouseXDown, kMouseXUp, kXButton1},
};

bool IsMouseKey(uint8_t keyCode) { return keyCode >= kFirstMouseKeyCode && keyCode <= kLastMouseKeyCode; }

const MouseButtonRow& MouseButton(uint8_t keyCode) { return kMouseButtons[keyCode - kFirstMouseKeyCode]; }

}  // namespace

void MacroPlayer::Start(int position) {
    if (position < 0 || position >= kButtonCount) return;
    const ButtonAssignmentEntry& entry = CurrentProfile(m_host.Settings()).MacroKeyInfo[position];
    if (entry.FunctionCode != kFunctionMacro || entry.ItemCount == 0) return;
    // Claimed here rather than on the player thread, so that a second press
    // before the player wakes up cannot replace the events it is about to play.
    bool idle = false;
    if (!m_playing.compare_exchange_strong(idle, true)) {
        m_stop = true;
        return;
    }
    memcpy(m_events, entry.Data, sizeof m_events);
    // A count beyond the buffer (a damaged record) plays what the buffer holds.
    m_eventCount = std::min<int32_t>(entry.ItemCount, kMacroEventCapacity);
    m_repeatCount = entry.RepeatCount > 0 ? entry.RepeatCount : 1;
    m_stop = false;
    m_currentIndex = 0;
    if (!m_host.PostPlayMacro()) m_playing = false;
}

MacroPlayer::Event MacroPlayer::EventAt(int index) const {
    const uint8_t* bytes = m_events + index * kMacroEventSize;
    const unsigned delay = bytes[2] | (bytes[3] << 8);
    return {bytes[0], bytes[1], delay == 0 ? 1u : delay};
}

uint8_t MacroPlayer::VirtualKeyOf(uint8_t keyCode) {
    int32_t virtualKey = 0;
    VirtualKeyFromKeyCode(keyCode, m_layout, virtualKey);
    if (virtualKey == kVkLeftShift || virtualKey == kVkRightShift) return kVkShift;
    if (virtualKey == kVkLeftControl || virtualKey == kVkRightControl) return kVkControl;
    if (virtualKey == kVkLeftMenu || virtualKey == kVkRightMenu) return kVkMenu;
    return static_cast<uint8_t>(virtualKey);
}

void MacroPlayer::Play() {
    m_playing = true;
    const int start = 0;
    const int end = m_eventCount.load();
    const int passes = m_repeatCount.load();
    m_leftover.insert(m_leftover.end(), m_held.begin(), m_held.end());
    m_held.clear();
    int passesDone = 0;
    if (end - start > 0) {
        for (int pass = 0; pass < passes && !StopRequested(); ++pass) {
            for (int j = start; j < end; ++j) {
                m_currentIndex = j;
                if (StopRequested()) break;
                PlayEvent(EventAt(j));
            }
            if (StopRequested()) break;
            ++passesDone;
        }
        m_repeatCount = passes - passesDone;
        char line[96];
        snprintf(line, sizeof line, kDebugMacroEnd, m_currentIndex.load(), start, end);
        m_host.Debug(line);
        ReleaseOnStop(start);
    }
    m_playing = false;
}

void MacroPlayer::PlayEvent(const Event& event) {
    if (event.Action == kMacroPress) {
        m_held.push_back(event.KeyCode);
    } else if (event.Action == kMacroRelease) {
        const auto found = std::find(m_held.rbegin(), m_held.rend(), event.KeyCode);
        if (found != m_held.rend()) m_held.erase(std::next(found).base());
    }
    if (IsMouseKey(event.KeyCode)) {
        const MouseButtonRow& button = MouseButton(event.KeyCode);
        if (event.Action == kMacroPress) m_input.MouseEvent(button.Down, button.Data, m_input.MessageExtraInfo());
        else if (event.Action == kMacroRelease) m_input.MouseEvent(button.Up, button.Data, m_input.MessageExtraInfo());
        m_clock.Sleep(event.Delay);
        return;
    }
    // Any other action only pauses, as for mouse buttons: a key pressed
    // outside the held-key list could never be released on stop.
    if (event.Action != kMacroPress && event.Action != kMacroRelease) {
        m_clock.Sleep(event.Delay);
        return;
    }
    const uint8_t virtualKey = VirtualKeyOf(event.KeyCode);
    const uint8_t scan = static_cast<uint8_t>(m_layout.MapKey(virtualKey, kMapVirtualKeyToScanCode));
    m_input.KeyboardEvent(virtualKey, scan, event.Action == kMacroRelease ? kKeyUp : 0);
    if (event.Action == kMacroRelease || event.Delay <= kHeldKeyFirstMilliseconds) {
        m_clock.Sleep(event.Delay);
        return;
    }
    // A key held in the macro for more than half a second auto-repeats like
    // a held keyboard key.
    m_clock.Sleep(kHeldKeyFirstMilliseconds);
    for (int rest = static_cast<int>(event.Delay - kHeldKeyFirstMilliseconds); rest > 0;
         rest -= static_cast<int>(kHeldKeyRepeatMilliseconds)) {
        m_input.KeyboardEvent(virtualKey, scan, kKeyUp);
        m_input.KeyboardEvent(virtualKey, scan, 0);
        if (StopRequested()) break;
        m_clock.Sleep(kHeldKeyRepeatMilliseconds);
    }
}

void MacroPlayer::Release(uint8_t keyCode) {
    if (IsMouseKey(keyCode)) {
        const MouseButtonRow& button = MouseButton(keyCode);
        m_input.MouseEvent(button.Up, button.Data, m_input.MessageExtraInfo());
        return;
    }
    const uint8_t virtualKey = VirtualKeyOf(keyCode);
    m_input.KeyboardEvent(virtualKey, static_cast<uint8_t>(m_layout.MapKey(virtualKey, kMapVirtualKeyToScanCode)),
                          kKeyUp);
}

void MacroPlayer::ReleaseOnStop(int start) {
    const int end = m_eventCount.load();
    int index = m_currentIndex.load();
    if (!StopRequested() || index <= start || index >= end || m_held.empty()) return;
    while (index > start && !m_held.empty()) {
        const uint8_t keyCode = m_held.back();
        m_held.pop_back();
        m_currentIndex = --index;
        Release(keyCode);
        m_clock.Sleep(kReleaseGapMilliseconds);
    }
}

void MacroPlayer::ReleaseHeldKeys() {
    m_leftover.insert(m_leftover.end(), m_held.begin(), m_held.end());
    m_held.clear();
    while (!m_leftover.empty()) {
        Release(m_leftover.back());
        m_leftover.pop_back();
    }
}

void MacroPlayer::Shutdown() {
    m_shutdown = true;
    m_stop = true;
}

}  // namespace actions
