#include "option/pages/ButtonAssignment.h"

#include <cstring>

#include "option/pages/MenuIdentifiers.h"
#include "profile/FunctionCodes.h"

namespace {

constexpr uint8_t kModifierBitsMask = 0x1F;  // bits 0..4
constexpr size_t kKeyCodeByte = 0;
constexpr size_t kModifierByte = 1;

std::string ProgramPathOf(const ButtonAssignmentEntry& entry) {
    return std::string(entry.ProgramPath, strnlen(entry.ProgramPath, sizeof entry.ProgramPath));
}

void ClearNameAndData(ButtonAssignmentEntry& entry) {
    entry.ItemCount = 0;
    memset(entry.Data, 0, sizeof entry.Data);
    memset(entry.Name, 0, sizeof entry.Name);
}

bool AssignKeyCombination(ButtonAssignmentEntry& entry, AssignmentDialogs& dialogs) {
    uint8_t keyCode = entry.Data[kKeyCodeByte];
    uint8_t modifiers = entry.Data[kModifierByte] & kModifierBitsMask;
    if (!dialogs.ChooseShortcut(keyCode, modifiers)) return false;
    entry.ItemCount = 1;
    entry.Data[kKeyCodeByte] = keyCode;
    entry.Data[kModifierByte] = modifiers & kModifierBitsMask;
    memset(entry.Name, 0, sizeof entry.Name);
    return true;
}

bool AssignProgram(ButtonAssignmentEntry& entry, AssignmentDialogs& dialogs) {
    std::string path = entry.FunctionCode == kFunctionLaunchProgram ? ProgramPathOf(entry) : std::string();
    // A button that starts nothing is not what OK with an empty field means.
    if (!dialogs.ChooseProgram(path) || path.empty()) return false;
    memset(entry.ProgramPath, 0, sizeof entry.ProgramPath);
    CopyText(entry.ProgramPath, path.c_str());
    return true;
}

bool AssignChosenMacro(ButtonAssignmentEntry& entry, MacroList& macros, AssignmentDialogs& dialogs) {
    int32_t option = entry.MacroOption;
    int index = macros.Find(EntryMacroName(entry));
    if (!dialogs.ChooseMacro(option, index)) return false;
    if (index < 0 || static_cast<size_t>(index) >= macros.Count()) return false;
    entry.MacroOption = option;
    CopyMacroToEntry(macros.At(static_cast<size_t>(index)), entry);
    return true;
}

}  // namespace

bool KeepsLeftButton(const ProfileRecord& record, int button, uint8_t newCode) {
    for (int b = 0; b < kButtonCount; ++b) {
        uint8_t code = b == button ? newCode : record.MacroKeyInfo[b].FunctionCode;
        if (code == kFunctionLeftButton) return true;
    }
    return false;
}

AssignResult AssignFunction(SettingsBlock& block, int button, uint32_t identifier, MacroList& macros,
                            AssignmentDialogs& dialogs) {
    if (button < 0 || button >= kButtonCount) return AssignResult::Cancelled;
    const int slot = EffectiveSlot(block.CurrentSlot);
    ProfileRecord& record = block.Profiles[slot];
    const bool macroNumber = identifier >= menuid::kFirstMacro;
    if (macroNumber && identifier - menuid::kFirstMacro >= macros.Count()) return AssignResult::Cancelled;

    const uint8_t code = LeavesEntryUnchanged(identifier) ? record.MacroKeyInfo[button].FunctionCode
                                                          : FunctionCodeForIdentifier(identifier);
    if (!KeepsLeftButton(record, button, code)) {
        dialogs.ShowClickWarning();
        return AssignResult::Refused;
    }

    if (identifier == menuid::kMediaPlayerSettings) {
        int32_t option = record.MediaOption;
        if (!dialogs.ChoosePlayer(option)) return AssignResult::Cancelled;
        record.MediaOption = option;
        return AssignResult::Unchanged;
    }
    if (identifier == menuid::kMacroManager) {
        dialogs.OpenMacroManager();
        return AssignResult::Unchanged;
    }
    // The copies on the buttons follow the list before a macro is chosen.
    if (identifier == menuid::kSelectMacro) macros.PushToButtons(block);

    ButtonAssignmentEntry entry = record.MacroKeyInfo[button];
    bool done = true;
    if (identifier == menuid::kKeyCombination) {
        done = AssignKeyCombination(entry, dialogs);
    } else if (identifier == menuid::kLaunchProgram) {
        done = AssignProgram(entry, dialogs);
    } else if (identifier == menuid::kSelectMacro) {
        done = AssignChosenMacro(entry, macros, dialogs);
    } else if (macroNumber) {
        CopyMacroToEntry(macros.At(identifier - menuid::kFirstMacro), entry);
    } else {
        ClearNameAndData(entry);
    }
    if (!done) return AssignResult::Cancelled;
    entry.FunctionCode = code;
    record.MacroKeyInfo[button] = entry;
    block.ButtonChanged[slot][button] = 1;
    return AssignResult::Assigned;
}
