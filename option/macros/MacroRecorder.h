// The recording step of the macro manager: each keystroke the keyboard hook
// captures becomes a macro event in the edit buffer, with the time since the
// previous keystroke as that event's pause when pauses are recorded.
#pragma once

#include <cstdint>
#include <optional>

#include "option/macros/MacroEventList.h"
#include "profile/KeyTables.h"

class MacroRecorder {
public:
    explicit MacroRecorder(KeyboardLayout& layout) : m_layout(layout) {}

    bool Recording() const { return m_recording; }
    void SetRecordDelays(bool on) { m_recordDelays = on; }
    bool RecordDelays() const { return m_recordDelays; }

    // The last keystroke is kept across recordings on purpose: a new
    // recording drops its first keystroke when it repeats the last one.
    void Start() {
        m_recording = true;
        m_firstEventSeen = false;
    }
    void Stop() {
        m_recording = false;
        m_lastTick = 0;
    }

    enum class StepResult { Ignored, Inserted, InsertedAndFull };
    // One captured keystroke (virtual-key code, key-up flag) at `now`
    // (milliseconds of the system's tick counter). A full buffer means the
    // recording must stop.
    StepResult Step(MacroEditBuffer& buffer, int& insertPosition, uint32_t virtualKey, bool up, uint32_t now);

private:
    struct Keystroke {
        uint32_t virtualKey;
        bool up;
    };

    KeyboardLayout& m_layout;
    bool m_recording = false;
    bool m_recordDelays = false;
    bool m_firstEventSeen = false;
    uint32_t m_lastTick = 0;
    std::optional<Keystroke> m_lastKeystroke;
};
