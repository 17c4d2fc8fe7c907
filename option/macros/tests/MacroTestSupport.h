// Macro records and button copies built from a few literal values.
#pragma once

#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>

#include "option/macros/MacroRecord.h"

inline MacroRecord MakeMacro(const std::string& name, int32_t repeat, std::initializer_list<MacroEvent> events) {
    MacroRecord record{};
    SetMacroName(record, name);
    record.RepeatCount = repeat;
    record.EventCount = static_cast<int32_t>(events.size());
    int i = 0;
    for (const MacroEvent& event : events) record.Events[i++] = event;
    return record;
}

inline ButtonAssignmentEntry MakeMacroButton(const std::string& name, int32_t repeat,
                                             std::initializer_list<MacroEvent> events) {
    ButtonAssignmentEntry entry{};
    entry.FunctionCode = 16;
    memcpy(entry.Name, name.data(), name.size());
    entry.RepeatCount = repeat;
    entry.ItemCount = static_cast<uint16_t>(events.size());
    if (events.size()) memcpy(entry.Data, std::data(events), events.size() * sizeof(MacroEvent));
    return entry;
}
