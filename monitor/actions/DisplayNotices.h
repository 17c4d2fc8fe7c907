// Notices for the on-screen display program: the text or macro written to
// the application settings file first, then message 1324 posted to the
// display window when it exists.
#pragma once

#include "monitor/actions/EngineHost.h"
#include "monitor/actions/SettingsFileWriter.h"
#include "monitor/actions/WindowSystem.h"

#include <string>

namespace actions {

constexpr size_t kNoticeMessageCapacity = 150;
constexpr char kDpiNoticeFormat[] = "CPI: %d";
constexpr int kDpiNoticeFactor = 100;

// "CPI: %d" of the current record's level (1-based); empty beyond level 5.
std::string DpiNoticeText(const ProfileRecord& record, int level);
// The macro's button position as the display program expects it.
int MacroNoticeNumber(int position);
// A text as one INI value: line breaks would end the value and start keys
// of their own in the settings file, so they become blanks.
std::string SingleLine(std::string text);

class DisplayNotices {
public:
    DisplayNotices(EngineHost& host, WindowSystem& windows, SettingsFileWriter& settings)
        : m_host(host), m_windows(windows), m_settings(settings) {}

    // Profile (0-based slot). switchApplies: the profile-notice switch decides.
    void Profile(int slot, bool switchApplies);
    void Dpi(int level);
    // Only for a code-16 entry, only when the macro-notice switch is on.
    void Macro(int position);
    // A text from another program; announced only while the mouse is present.
    void Text(const std::string& text);

private:
    bool PostToDisplay(uintptr_t kind, intptr_t data);

    EngineHost& m_host;
    WindowSystem& m_windows;
    SettingsFileWriter& m_settings;
};

}  // namespace actions
