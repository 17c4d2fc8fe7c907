#include "option/macros/MacroRecorder.h"

MacroRecorder::StepResult MacroRecorder::Step(MacroEditBuffer& buffer, int& insertPosition, uint32_t virtualKey,
                                              bool up, uint32_t now) {
    // A held key repeats its press: only the first one counts.
    if (m_lastKeystroke && m_lastKeystroke->virtualKey == virtualKey && m_lastKeystroke->up == up)
        return StepResult::Ignored;
    int32_t keyCode = 0;
    // A key without a key code could not be played back; it is not recorded.
    if (!KeyCodeFromVirtualKey(static_cast<int32_t>(virtualKey), m_layout, keyCode) || keyCode <= 0)
        return StepResult::Ignored;
    if (buffer.Count >= kMacroEventCapacity) return StepResult::InsertedAndFull;

    if (m_firstEventSeen && m_recordDelays) {
        // Unsigned difference: right across the tick counter's wrap.
        const uint32_t elapsed = now - m_lastTick;
        const uint16_t delay = elapsed >= kLongestDelay ? kLongestDelay : static_cast<uint16_t>(elapsed);
        const size_t before = insertPosition == kAppendPosition ? buffer.Count : static_cast<size_t>(insertPosition);
        if (before >= 1 && before <= buffer.Count) buffer.Events[before - 1].Delay = delay;
    }
    InsertEvent(buffer, insertPosition,
                MacroEvent{static_cast<uint8_t>(keyCode), up ? kMacroActionRelease : kMacroActionPress, 0});
    m_lastTick = now;
    m_firstEventSeen = true;
    m_lastKeystroke = Keystroke{virtualKey, up};
    return buffer.Count >= kMacroEventCapacity ? StepResult::InsertedAndFull : StepResult::Inserted;
}
