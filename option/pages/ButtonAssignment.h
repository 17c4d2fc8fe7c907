// Giving a button a function chosen from the function menu: the left-button
// rule, the dialogs some choices need, what each choice writes into the
// button's entry and the button's change flag.
#pragma once

#include <cstdint>
#include <string>

#include "option/macros/MacroList.h"
#include "profile/SettingsBlock.h"

// The dialogs an assignment may open. Each returns false when cancelled.
class AssignmentDialogs {
public:
    virtual ~AssignmentDialogs() = default;
    // Tells the user that no button would keep the left-button function.
    virtual void ShowClickWarning() = 0;
    // keyCode and modifier bits 0..4 preset; the captured ones on OK.
    virtual bool ChooseShortcut(uint8_t& keyCode, uint8_t& modifiers) = 0;
    // The path preset (empty unless the button starts a program already).
    virtual bool ChooseProgram(std::string& path) = 0;
    virtual bool ChoosePlayer(int32_t& mediaOption) = 0;
    // Option 0..2 and the macro's position (-1: none chosen yet) preset.
    virtual bool ChooseMacro(int32_t& macroOption, int& macroIndex) = 0;
    // True when the manager was closed with OK (the list is then saved).
    virtual bool OpenMacroManager() = 0;
};

// True when at least one of the sixteen codes, with button `button` given
// `newCode`, is the left-button function.
bool KeepsLeftButton(const ProfileRecord& record, int button, uint8_t newCode);

enum class AssignResult {
    Assigned,      // the entry changed and its change flag is set
    Refused,       // the left-button rule refused it; the warning was shown
    Cancelled,     // a dialog was cancelled, or the choice needs data it did not get
    Unchanged,     // done without touching the entry (player, macro manager)
};

// Applies a menu identifier to button `button` of the current profile.
AssignResult AssignFunction(SettingsBlock& block, int button, uint32_t identifier, MacroList& macros,
                            AssignmentDialogs& dialogs);
