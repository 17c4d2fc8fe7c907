// The dialogs of an assignment as skinned modal dialogs over an owner.
#pragma once

#include <windows.h>

#include "option/macros/MacroList.h"
#include "option/pages/ButtonAssignment.h"

class WindowsAssignmentDialogs : public AssignmentDialogs {
public:
    WindowsAssignmentDialogs(HWND owner, const MacroList& macros) : m_owner(owner), m_macros(macros) {}

    void ShowClickWarning() override;
    bool ChooseShortcut(uint8_t& keyCode, uint8_t& modifiers) override;
    bool ChooseProgram(std::string& path) override;
    bool ChoosePlayer(int32_t& mediaOption) override;
    bool ChooseMacro(int32_t& macroOption, int& macroIndex) override;
    // The macro manager comes with the macro page; until then nothing opens.
    bool OpenMacroManager() override { return false; }

private:
    HWND m_owner;
    const MacroList& m_macros;
};
