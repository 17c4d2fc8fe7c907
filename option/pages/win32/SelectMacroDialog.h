// The select-macro dialog: the macro a button plays, chosen from a skin
// popup menu of the macro list, and the macro option from a row of three.
#pragma once

#include <array>
#include <cstdint>

#include "option/macros/MacroList.h"
#include "option/pages/win32/SkinDialogBase.h"
#include "skin/win32/GdiOwners.h"

class SelectMacroDialog : public SkinDialogBase {
public:
    // macroIndex: the macro preset (-1: none).
    SelectMacroDialog(const MacroList& macros, int32_t macroOption, int macroIndex)
        : m_macros(macros), m_option(macroOption), m_macroIndex(macroIndex) {}

    bool Run(HWND owner);
    int32_t MacroOption() const { return m_option; }
    int MacroIndex() const { return m_macroIndex; }

protected:
    std::string SkinFileName() const override;
    void CreateControls(WindowSkin& skin) override;
    void OnButton(int key) override;

private:
    void ChooseMacro(SkinButton& button);
    void SelectOption(int32_t option);
    std::string CaptionOfChoice() const;

    const MacroList& m_macros;
    int32_t m_option;
    int m_macroIndex;
    Font m_font;
};
