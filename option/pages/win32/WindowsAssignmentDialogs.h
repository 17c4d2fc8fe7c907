// The dialogs of an assignment as skinned modal dialogs over an owner.
#pragma once

#include <windows.h>

#include "option/core/OptionHost.h"
#include "option/macros/MacroList.h"
#include "option/pages/ButtonAssignment.h"

class WindowsAssignmentDialogs : public AssignmentDialogs {
public:
    // With a host, item 1049 opens the macro manager over the owner.
    WindowsAssignmentDialogs(HWND owner, const MacroList& macros, OptionHost* host = nullptr)
        : m_owner(owner), m_macros(macros), m_host(host) {}

    void ShowClickWarning() override;
    bool ChooseShortcut(uint8_t& keyCode, uint8_t& modifiers) override;
    bool ChooseProgram(std::string& path) override;
    bool ChoosePlayer(int32_t& mediaOption) override;
    bool ChooseMacro(int32_t& macroOption, int& macroIndex) override;
    bool OpenMacroManager() override;

private:
    HWND m_owner;
    const MacroList& m_macros;
    OptionHost* m_host;
};
