// What the main window offers to its pages and dialogs: the edit copy of the
// settings block, the macro list, texts of the language library and the
// commands that act on the whole window. Pages depend on this interface,
// never on the main window class.
#pragma once

#include <string>

#include "profile/SettingsBlock.h"

class MacroList;

class OptionHost {
public:
    virtual ~OptionHost() = default;

    // Program folder with a trailing backslash; the skins are in "skins\".
    virtual const std::string& ProgramFolder() const = 0;
    virtual std::string SkinFolder() const = 0;
    // Text of a language-library string; empty when the library or the
    // string is missing.
    virtual std::string Text(unsigned stringId) const = 0;

    // The copy every page reads and changes; Apply hands it to the agent.
    virtual SettingsBlock& EditCopy() = 0;
    virtual MacroList& Macros() = 0;

    // The main window's handle: owner of the pages' modal dialogs and
    // receiver of the re-posted hover messages.
    virtual void* MainWindow() const = 0;  // HWND
    // Every page re-reads the edit copy.
    virtual void RefreshAllPages() = 0;
};
