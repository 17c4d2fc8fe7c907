// The caption of a button assignment entry: the text of its function, the
// key combination with its modifier prefixes, the macro's name or the file
// name of the program it starts.
#pragma once

#include <functional>
#include <string>

#include "profile/KeyTables.h"
#include "profile/ProfileRecord.h"

// The two views name modifier bits 1 and 2 the other way round.
enum class PrefixOrder {
    Page,        // "Ctrl+" bit 1, "Shift+" bit 2, "Alt+" bit 3, "Win+" bit 4
    MainWindow,  // "Shift+" bit 1, "Ctrl+" bit 2, "Alt+" bit 3, "Win+" bit 4
};

// Language-library text by string number (empty when missing).
using TextLookup = std::function<std::string(unsigned)>;

// The language-library string captioning a function code; 0 for codes
// captioned otherwise (5, 16, 17) or not at all.
unsigned CaptionTextId(int functionCode);

// "Ctrl+Shift+A" and the like; the name alone when bit 0 is set.
std::string KeyCombinationCaption(uint8_t keyCode, uint8_t modifiers, PrefixOrder order, KeyboardLayout& layout);

// File name and extension of a path.
std::string ProgramFileName(const std::string& path);

std::string ButtonCaption(const ButtonAssignmentEntry& entry, PrefixOrder order, const TextLookup& text,
                          KeyboardLayout& layout);
