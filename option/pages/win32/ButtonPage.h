// The button assignment page: sixteen buttons captioned with the functions
// of the current profile's sixteen button entries; a click opens the
// function menu for that entry.
#pragma once

#include <array>
#include <memory>

#include "option/core/ConfigPage.h"
#include "option/pages/win32/ButtonFunctionChooser.h"
#include "skin/win32/SkinnedWindow.h"

class ButtonPage : public SkinnedDialog, public ConfigPage {
public:
    bool CreatePage(OptionHost& host, void* parent, int left, int top, int width, int height) override;
    void* PageWindow() const override { return Handle(); }
    void Refresh() override;

    SkinButton* EntryButton(int entry) const { return m_buttons[entry]; }
    // The last assignment's outcome, for the window's owner and tests.
    AssignResult LastResult() const { return m_lastResult; }

protected:
    std::string SkinFileName() const override;
    void CreateControls(WindowSkin& skin) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    int EntryOf(HWND button) const;

    OptionHost* m_host = nullptr;
    std::unique_ptr<ButtonFunctionChooser> m_chooser;
    std::array<SkinButton*, kButtonCount> m_buttons{};
    AssignResult m_lastResult = AssignResult::Cancelled;
};
