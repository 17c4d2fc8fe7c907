#include "monitor/device/ButtonMapReport.h"

#include "monitor/device/MacroReport.h"

namespace device {

namespace {

// Function codes whose entries are adjusted.
constexpr uint8_t kKeyCombination = 5;
constexpr uint8_t kUserMacro = 16;
constexpr uint8_t kLaunchProgram = 17;
constexpr uint8_t kPacedClicks = 22;

struct MapRow {
    uint8_t FunctionCode;
    MapEntry Entry;
};

// Function code -> type, parameters 1..3 as the mouse takes them.
constexpr MapRow kMapTable[] = {
    {1, {0x01, 0x00, 0xF0, 0x00}},   // left button (key code 240)
    {2, {0x01, 0x00, 0xF1, 0x00}},   // right button
    {3, {0x01, 0x00, 0xF2, 0x00}},   // middle button
    {7, {0x01, 0x00, 0xF4, 0x00}},   // side button 244
    {8, {0x01, 0x00, 0xF3, 0x00}},   // side button 243
    {4, {0x0A, 0xF0, 0x32, 0x02}},   // double click
    {80, {0x0A, 0xF0, 0x32, 0x03}},  // triple click
    {21, {0x0A, 0xF0, 0x10, 0x00}},  // rapid clicking
    {22, {0x0A, 0x01, 0x00, 0x00}},  // clicks paced by OTGSpeed
    {5, {0x00, 0x00, 0x00, 0x00}},   // key combination, filled from the entry
    {6, {0x00, 0x00, 0x00, 0x00}},   // disabled
    {9, {0x04, 0x00, 0x01, 0x00}},   // wheel up
    {10, {0x04, 0x00, 0x02, 0x00}},  // wheel down
    {11, {0x04, 0x00, 0x04, 0x00}},  // tilt
    {12, {0x04, 0x00, 0x03, 0x00}},  // tilt, other direction
    {13, {0x07, 0x00, 0x03, 0x00}},  // DPI level switch
    {14, {0x07, 0x00, 0x01, 0x00}},
    {15, {0x07, 0x00, 0x02, 0x00}},
    {81, {0x05, 0x00, 0x01, 0x00}},
    {82, {0x05, 0x00, 0x02, 0x00}},
    {83, {0x05, 0x00, 0x03, 0x00}},
    {16, {0x09, 0x00, 0x00, 0x00}},  // user macro
    {17, {0x06, 0x00, 0x0A, 0x00}},  // launch program: event type 0x000A
    {24, {0x06, 0x00, 0xA0, 0x00}},  // open Option: event type 0x00A0
    {18, {0x08, 0x00, 0x03, 0x00}},  // profile switch
    {19, {0x08, 0x00, 0x01, 0x00}},
    {20, {0x08, 0x00, 0x02, 0x00}},
    {23, {0x00, 0x08, 0x00, 0x00}},  // Windows key
    {86, {0x0B, 0x08, 0x00, 0x00}},
    // Media and application keys: consumer-control usage, low byte first.
    {25, {0x03, 0x00, 0x83, 0x01}},
    {26, {0x03, 0x00, 0xB6, 0x00}},
    {27, {0x03, 0x00, 0xB5, 0x00}},
    {28, {0x03, 0x00, 0xCD, 0x00}},
    {29, {0x03, 0x00, 0xB7, 0x00}},
    {30, {0x03, 0x00, 0xE2, 0x00}},
    {31, {0x03, 0x00, 0xE9, 0x00}},
    {32, {0x03, 0x00, 0xEA, 0x00}},
    {33, {0x03, 0x00, 0x92, 0x01}},
    {34, {0x03, 0x00, 0x8A, 0x01}},
    {39, {0x03, 0x00, 0x94, 0x01}},
    {35, {0x03, 0x00, 0x2A, 0x02}},
    {36, {0x03, 0x00, 0x25, 0x02}},
    {37, {0x03, 0x00, 0x24, 0x02}},
    {38, {0x03, 0x00, 0x26, 0x02}},
    {40, {0x03, 0x00, 0x27, 0x02}},
    {41, {0x03, 0x00, 0x23, 0x02}},
    {42, {0x03, 0x00, 0x21, 0x02}},
    // Built-in shortcuts: macros of two keys (four events) or three (six).
    {51, {0x09, 0x00, 0x00, 0x04}},
    {52, {0x09, 0x00, 0x00, 0x04}},
    {53, {0x09, 0x00, 0x00, 0x04}},
    {54, {0x09, 0x00, 0x00, 0x04}},
    {55, {0x09, 0x00, 0x00, 0x04}},
    {56, {0x09, 0x00, 0x00, 0x04}},
    {57, {0x09, 0x00, 0x00, 0x04}},
    {58, {0x09, 0x00, 0x00, 0x04}},
    {60, {0x09, 0x00, 0x00, 0x04}},
    {61, {0x09, 0x00, 0x00, 0x04}},
    {64, {0x09, 0x00, 0x00, 0x04}},
    {65, {0x09, 0x00, 0x00, 0x04}},
    {66, {0x09, 0x00, 0x00, 0x04}},
    {69, {0x09, 0x00, 0x00, 0x04}},
    {70, {0x09, 0x00, 0x00, 0x04}},
    {84, {0x09, 0x00, 0x00, 0x04}},
    {85, {0x09, 0x00, 0x00, 0x04}},
    {59, {0x09, 0x00, 0x00, 0x06}},
    {67, {0x09, 0x00, 0x00, 0x06}},
    // Alt+Space, N presses three keys like 67; a count of four would leave
    // Alt and Space held down.
    {68, {0x09, 0x00, 0x00, 0x06}},
};

constexpr int kEntrySize = 4;

// Row of each function code in the table (the first if one repeats), -1 for
// none: a full write looks up hundreds of entries.
struct MapIndex {
    int16_t row[256];
    constexpr MapIndex() : row() {
        for (int16_t& r : row) r = -1;
        for (size_t i = 0; i < sizeof kMapTable / sizeof kMapTable[0]; ++i)
            if (row[kMapTable[i].FunctionCode] < 0) row[kMapTable[i].FunctionCode] = static_cast<int16_t>(i);
    }
};
constexpr MapIndex kMapIndex;

}  // namespace

bool operator==(const MapEntry& left, const MapEntry& right) {
    return left.Type == right.Type && left.First == right.First && left.Second == right.Second &&
           left.Third == right.Third;
}

MapEntry TableMapEntry(uint8_t functionCode) {
    const int row = kMapIndex.row[functionCode];
    return row < 0 ? MapEntry{0, 0, 0, 0} : kMapTable[row].Entry;
}

MapEntry BuildMapEntry(const ProfileRecord& record, int slot, int button) {
    const ButtonAssignmentEntry& assignment = record.MacroKeyInfo[button];
    MapEntry entry = TableMapEntry(assignment.FunctionCode);
    switch (assignment.FunctionCode) {
    case kKeyCombination:
        entry.First = static_cast<uint8_t>(assignment.Data[1] >> 1);
        entry.Second = assignment.Data[0];
        break;
    case kUserMacro:
        entry.First = static_cast<uint8_t>(assignment.MacroOption);
        // The events the macro block really holds, so that the mouse never
        // plays past what was sent.
        entry.Third = static_cast<uint8_t>(BuildUserMacro(assignment).EventsWritten);
        break;
    case kLaunchProgram:
        entry.Third = static_cast<uint8_t>(button + 1);
        break;
    case kPacedClicks:
        entry.Second = static_cast<uint8_t>(record.OTGSpeed);
        entry.Third = static_cast<uint8_t>(record.OTGSpeed);
        break;
    default:
        break;
    }
    if (entry.Type == kMacroEntryType) entry.Second = static_cast<uint8_t>(MacroNumber(slot, button));
    return entry;
}

ReportData BuildButtonMap(const ProfileRecord& record, int slot) {
    ReportData report{};
    for (int button = 0; button < kButtonCount; ++button) {
        const MapEntry entry = BuildMapEntry(record, slot, button);
        uint8_t* target = report.data() + kEntrySize * button;
        target[0] = entry.Type;
        target[1] = entry.First;
        target[2] = entry.Second;
        target[3] = entry.Third;
    }
    return report;
}

}  // namespace device
