#include "monitor/actions/DisplayNotices.h"

#include "monitor/actions/ActionConstants.h"
#include "profile/FunctionCodes.h"

#include <cstdio>
#include <cstring>

namespace actions {

namespace {

constexpr int32_t kSwitchOn = 1;

// Positions the display program knows by other numbers.
struct NumberRow {
    int Position;
    int Number;
};
constexpr NumberRow kRenumbered[] = {{13, 3}, {14, 4}};

}  // namespace

std::string DpiNoticeText(const ProfileRecord& record, int level) {
    if (level < 1 || level > kLevelCount) return std::string();
    char text[32];
    snprintf(text, sizeof text, kDpiNoticeFormat, record.CpiLevel_X[level - 1] * kDpiNoticeFactor);
    return text;
}

int MacroNoticeNumber(int position) {
    for (const NumberRow& row : kRenumbered) {
        if (row.Position == position) return row.Number;
    }
    return position;
}

std::string SingleLine(std::string text) {
    for (char& character : text) {
        if (character == '\r' || character == '\n') character = ' ';
    }
    return text;
}

bool DisplayNotices::PostToDisplay(uintptr_t kind, intptr_t data) {
    const WindowId display = m_windows.Find(nullptr, kDisplayWindowTitle);
    return display && m_windows.Post(display, kMsgDisplayNotice, kind, data);
}

void DisplayNotices::Profile(int slot, bool switchApplies) {
    if (switchApplies && m_host.DisplaySettings().ProfileNotice != kSwitchOn) return;
    PostToDisplay(kNoticeProfile, static_cast<intptr_t>(slot) << kNoticeSlotShift);
}

void DisplayNotices::Dpi(int level) {
    m_settings.WriteNoticeMessage(DpiNoticeText(CurrentProfile(m_host.Settings()), level));
    PostToDisplay(kNoticeText, 0);
}

void DisplayNotices::Macro(int position) {
    if (m_host.DisplaySettings().MacroNotice != kSwitchOn || position < 0 || position >= kButtonCount) return;
    const ButtonAssignmentEntry& entry = CurrentProfile(m_host.Settings()).MacroKeyInfo[position];
    if (entry.FunctionCode != kFunctionMacro) return;
    const std::string name(entry.Name, strnlen(entry.Name, sizeof entry.Name));
    m_settings.WriteMacroNotice(MacroNoticeNumber(position), SingleLine(name).c_str());
    PostToDisplay(kNoticeMacro, 0);
}

void DisplayNotices::Text(const std::string& text) {
    m_settings.WriteNoticeMessage(SingleLine(text.substr(0, kNoticeMessageCapacity)));
    if (m_host.MousePresent()) PostToDisplay(kNoticeText, 0);
}

}  // namespace actions
