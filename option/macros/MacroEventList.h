// The macro manager's edit buffer and the rules of its event list: the
// lines shown for the events and their pauses, where the caret goes after a
// refill, inserting events (recorded keys and mouse buttons), and the
// commands of the list's context menu that change pauses and events.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "option/macros/MacroRecord.h"

constexpr uint8_t kFirstMouseKeyCode = 240;  // left, right, middle, 243, 244
constexpr uint8_t kLastMouseKeyCode = 244;
constexpr uint16_t kLongestDelay = 65535;
constexpr uint16_t kShortestEditedDelay = 1;
constexpr int kAppendPosition = -1;

// Kinds in the low word of a line's item data; the high word is event + 1.
constexpr uint32_t kLineKeyPress = 0x8A;
constexpr uint32_t kLineKeyRelease = 0x89;
constexpr uint32_t kLineMouseButton = 0x92;
constexpr uint32_t kLineDelay = 0x87;

struct MacroEditBuffer {
    std::array<MacroEvent, kMacroEventCapacity> Events{};
    size_t Count = 0;
};

MacroEditBuffer EditBufferOf(const MacroRecord& record);
// Events (all 160 bytes) and count back into the record.
void StoreEditBuffer(const MacroEditBuffer& buffer, MacroRecord& record);
// An empty buffer: count 0, every event byte zero.
inline MacroEditBuffer EmptyEditBuffer() { return MacroEditBuffer{}; }

struct EventLine {
    std::string Text;
    uint32_t Data = 0;
};

// Display name of a key code (empty when it has none).
using KeyCodeName = std::function<std::string(uint8_t keyCode)>;

std::vector<EventLine> BuildEventLines(const MacroEditBuffer& buffer, const KeyCodeName& keyName);
inline size_t LineEvent(uint32_t data) { return (data >> 16) - 1; }
inline bool IsDelayLine(uint32_t data) { return (data & 0xFFFF) == kLineDelay; }
std::string DelayText(uint16_t delay);
// Index of the line of event `event` (its delay line when `delayLine`), or -1.
int LineOf(const std::vector<EventLine>& lines, size_t event, bool delayLine);

// Where the list goes after a refill: the remembered line, clamped to the
// last line, is selected; the list scrolls to two lines further so the
// lines after it stay in view, except near either end of the list.
struct CaretPlace {
    int Selected = -1;
    int Caret = -1;
};
CaretPlace CaretAfterRefill(int remembered, size_t lineCount);

// Inserts at the insert position (or the end for kAppendPosition), moving
// later events up; a set insert position advances so consecutive inserts
// keep their order. Nothing happens when the buffer is full. Returns the
// index of the inserted event.
std::optional<size_t> InsertEvent(MacroEditBuffer& buffer, int& insertPosition, MacroEvent event);
// A click: press then release; both or neither (needs two free places).
std::optional<size_t> InsertClick(MacroEditBuffer& buffer, int& insertPosition, uint8_t keyCode);

// Context-menu commands on a line's item data. Each returns whether the
// buffer changed.
// On the event line of event i >= 1 whose previous event has no pause: that
// pause becomes 1 ms.
bool InsertDelayBefore(MacroEditBuffer& buffer, uint32_t lineData);
// On a delay line the pause goes; on an event line the event goes.
bool DeleteLine(MacroEditBuffer& buffer, uint32_t lineData);
// The pause typed into a delay line's in-place edit, as stored.
uint16_t EditedDelay(const std::string& text);

// The mouse-event commands of the context menu: button and what to insert.
enum class MouseInsert { Press, Release, Click };
struct MouseCommand {
    uint8_t KeyCode;
    MouseInsert What;
};
constexpr uint32_t kFirstMouseCommand = 1020;
constexpr uint32_t kLastMouseCommand = 1034;
std::optional<MouseCommand> MouseCommandOf(uint32_t identifier);

// Repeat count text as committed: 256 or more -> 255, 0 or less -> 1.
constexpr int32_t kLargestRepeatCount = 255;
int32_t RepeatCountFromText(const std::string& text);
// What the record stores: the count when repeating is on, else 1.
inline int32_t StoredRepeatCount(int32_t count, bool repeatOn) { return repeatOn ? count : 1; }

// A new macro name is taken when, trimmed, it is not empty and matches no
// other name (case-insensitively, trimmed).
bool IsNewMacroNameFree(const std::string& name, const std::vector<std::string>& otherNames);
