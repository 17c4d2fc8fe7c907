// The macro player: the agent window thread starts (or stops) the macro of
// a code-16 button; the macro-player thread types it into the system with
// its pauses and repeat count. One macro plays at a time: a start while a
// macro plays is a stop. The words both threads touch are atomics; the
// event buffer is written only while no macro plays and handed over by the
// thread message.
#pragma once

#include "monitor/actions/Clock.h"
#include "monitor/actions/EngineHost.h"
#include "monitor/actions/InputSynthesis.h"
#include "profile/KeyTables.h"
#include "profile/ProfileRecord.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace actions {

// Macro event actions.
constexpr uint8_t kMacroPress = 1;
constexpr uint8_t kMacroRelease = 2;

// Timing of the player.
constexpr unsigned kHeldKeyFirstMilliseconds = 500;   // a press held longer auto-repeats
constexpr unsigned kHeldKeyRepeatMilliseconds = 33;
constexpr unsigned kReleaseGapMilliseconds = 50;      // between the releases on stop

constexpr size_t kMacroEventSize = 4;

class MacroPlayer {
public:
    MacroPlayer(EngineHost& host, InputSynthesis& input, KeyboardLayout& layout, Clock& clock)
        : m_host(host), m_input(input), m_layout(layout), m_clock(clock) {}

    // Agent window thread: the macro of entry `position` of the current
    // record. Nothing for another function code or no events.
    void Start(int position);
    // Macro-player thread, on its thread message.
    void Play();
    // Agent window thread: the playing macro stops as a second press stops
    // it (its release on stop runs); a later start plays again.
    void RequestStop() { m_stop = true; }
    // Agent window thread at shutdown, before the player thread is stopped:
    // the playing macro stops (its release on stop runs) and no longer waits.
    void Shutdown();
    // Agent window thread once the player thread has ended: releases every
    // key the last macro left held, most recent first.
    void ReleaseHeldKeys();

    bool Playing() const { return m_playing.load(); }

private:
    struct Event {
        uint8_t KeyCode;
        uint8_t Action;
        unsigned Delay;
    };
    Event EventAt(int index) const;
    bool StopRequested() const { return m_stop.load() || m_shutdown.load(); }
    void PlayEvent(const Event& event);
    void Release(uint8_t keyCode);
    void ReleaseOnStop(int start);
    uint8_t VirtualKeyOf(uint8_t keyCode);

    EngineHost& m_host;
    InputSynthesis& m_input;
    KeyboardLayout& m_layout;
    Clock& m_clock;

    uint8_t m_events[kMacroEventCapacity * kMacroEventSize] = {};
    std::atomic<int32_t> m_eventCount{0};
    std::atomic<int32_t> m_repeatCount{0};
    std::atomic<int32_t> m_currentIndex{0};
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_playing{false};
    std::atomic<bool> m_shutdown{false};

    // Keys pressed by the playing macro and not yet released, most recent
    // last (player thread only).
    std::vector<uint8_t> m_held;
    // Keys earlier macros left held; released only at shutdown.
    std::vector<uint8_t> m_leftover;
};

}  // namespace actions
