#include "option/pages/ButtonCaption.h"

#include <cstring>

#include "option/macros/MacroRecord.h"
#include "profile/FunctionCodes.h"

namespace {

struct CaptionRun {
    int firstCode;
    int lastCode;
    unsigned firstText;
};

// Function codes captioned by a run of language-library strings.
constexpr CaptionRun kCaptionRuns[] = {
    {0, 0, 1010},   {6, 6, 1010},   {1, 4, 1005},   {7, 12, 1011}, {13, 15, 1018},
    {18, 24, 1024}, {25, 32, 1032}, {33, 44, 1041}, {86, 86, 1076},
};

constexpr uint8_t kNoModifiersBit = 0x01;

struct Prefix {
    uint8_t bit;
    const char* text;
};
constexpr Prefix kPagePrefixes[] = {{0x02, "Ctrl+"}, {0x04, "Shift+"}, {0x08, "Alt+"}, {0x10, "Win+"}};
constexpr Prefix kMainWindowPrefixes[] = {{0x02, "Shift+"}, {0x04, "Ctrl+"}, {0x08, "Alt+"}, {0x10, "Win+"}};

// Key code and modifier bits of a key-combination entry.
constexpr size_t kKeyCodeByte = 0;
constexpr size_t kModifierByte = 1;

}  // namespace

unsigned CaptionTextId(int functionCode) {
    for (const CaptionRun& run : kCaptionRuns)
        if (functionCode >= run.firstCode && functionCode <= run.lastCode)
            return run.firstText + static_cast<unsigned>(functionCode - run.firstCode);
    return 0;
}

std::string KeyCombinationCaption(uint8_t keyCode, uint8_t modifiers, PrefixOrder order, KeyboardLayout& layout) {
    std::string caption;
    if (!(modifiers & kNoModifiersBit))
        for (const Prefix& prefix : order == PrefixOrder::Page ? kPagePrefixes : kMainWindowPrefixes)
            if (modifiers & prefix.bit) caption += prefix.text;
    int32_t virtualKey = 0;
    VirtualKeyFromKeyCode(keyCode, layout, virtualKey);
    return caption + KeyName(virtualKey);
}

std::string ProgramFileName(const std::string& path) {
    size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string ButtonCaption(const ButtonAssignmentEntry& entry, PrefixOrder order, const TextLookup& text,
                          KeyboardLayout& layout) {
    switch (entry.FunctionCode) {
    case kFunctionKeyCombination:
        if (entry.ItemCount == 0) return "";
        return KeyCombinationCaption(entry.Data[kKeyCodeByte], entry.Data[kModifierByte], order, layout);
    case kFunctionMacro:
        return EntryMacroName(entry);
    case kFunctionLaunchProgram:
        return ProgramFileName(std::string(entry.ProgramPath, strnlen(entry.ProgramPath, sizeof entry.ProgramPath)));
    default: {
        unsigned id = CaptionTextId(entry.FunctionCode);
        return id ? text(id) : "";
    }
    }
}
