// A small window that hosts one page the way the main window does: it
// implements OptionHost over its own edit copy, a macro list in a
// temporary program folder and the installed language library.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "frame/Window.h"
#include "option/core/ConfigPage.h"
#include "option/core/OptionHost.h"
#include "option/macros/MacroList.h"
#include "option/macros/win32/WindowsIniFileStore.h"

class TestHost : public Window, public OptionHost {
public:
    explicit TestHost(const std::string& programFolder);
    ~TestHost() override;

    bool Create(ConfigPage& page);

    const std::string& ProgramFolder() const override { return m_programFolder; }
    std::string SkinFolder() const override;
    std::string Text(unsigned stringId) const override;
    SettingsBlock& EditCopy() override { return *m_block; }
    MacroList& Macros() override { return m_macros; }
    void* MainWindow() const override { return Handle(); }
    void RefreshAllPages() override;

    int RefreshCount() const { return m_refreshes; }
    // lParam of every MSG_CONTROL_HOVER (enter) that reached the window.
    const std::vector<LPARAM>& HoverTags() const { return m_hoverTags; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::string m_programFolder;
    std::unique_ptr<SettingsBlock> m_block;
    WindowsIniFileStore m_store;
    MacroList m_macros;
    HMODULE m_texts = nullptr;
    ConfigPage* m_page = nullptr;
    int m_refreshes = 0;
    std::vector<LPARAM> m_hoverTags;
};
