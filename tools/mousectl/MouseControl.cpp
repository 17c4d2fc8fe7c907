#include "MouseControl.h"

#include "tools/profiletool/ProfileReview.h"
#include "option/core/OptionConstants.h"
#include "profile/AppSettings.h"

#include <cstring>

namespace mousectl {

namespace {

constexpr int kDevicePresentValue = 1;

std::string UserSlot(int slot) { return std::to_string(slot + kFirstUserSlot); }

std::string NameOf(const ProfileRecord& record) {
    return std::string(record.ProFileName, strnlen(record.ProFileName, sizeof record.ProFileName));
}

Outcome Failed(int exitCode, const std::string& error) {
    Outcome outcome;
    outcome.exitCode = exitCode;
    outcome.error = error + "\n";
    return outcome;
}

// The import and reset steps of the session work on the current slot: the
// command's slot is made current for them and the user's current slot put
// back, so that the comparison sees no slot change.
template <class Step>
auto OnSlot(SettingsBlock& edit, int slot, Step step) {
    const int32_t current = edit.CurrentSlot;
    edit.CurrentSlot = slot;
    auto result = step();
    edit.CurrentSlot = current;
    return result;
}

}  // namespace

MouseControl::MouseControl(const OptionServices& services) : m_services(services), m_session(m_services) {}

Outcome MouseControl::Run(const Command& command) {
    // Without the agent's block the session would fall back to the files;
    // the commands are for the running agent, so that is an error here.
    if (!m_services.sharedBlock.Attach())
        return Failed(kExitNoAgent, "Monitor is not running (its shared settings block is missing); start Monitor.exe first");
    m_session.Start();
    switch (command.kind) {
        case CommandKind::Status: {
            Outcome outcome;
            outcome.output = StatusText();
            return outcome;
        }
        case CommandKind::Select: return Select(command.slot);
        case CommandKind::Apply: return ApplyFile(command.slot, command.path);
        case CommandKind::Export: return ExportSlot(command.slot, command.path);
        case CommandKind::Defaults: return Defaults(command.slot);
    }
    return Failed(kExitUsage, "unknown command");
}

bool MouseControl::MousePresent() {
    std::unique_ptr<IniAccessor> settings = m_services.iniFiles.Open(AppSettingsPath(m_services.programFolder));
    return settings && settings->GetInt(kAppSettingSection, kDeviceKey, 0) == kDevicePresentValue;
}

std::string MouseControl::StatusText() {
    const SettingsBlock& block = m_session.Edit();
    std::string text = std::string("mouse: ") + (MousePresent() ? "present" : "not present") + "\n";
    text += "current slot: " + UserSlot(m_session.CurrentSlot()) + "\n";
    for (int slot = 0; slot < kSlotCount; ++slot) {
        text += (slot == m_session.CurrentSlot() ? "* " : "  ");
        text += "slot " + UserSlot(slot) + ": " + NameOf(block.Profiles[slot]) + "\n";
    }
    return text;
}

Outcome MouseControl::Select(int slot) {
    m_session.SelectSlot(slot);
    return Finish(option::kApplyCompare, "slot " + UserSlot(slot) + " is current");
}

Outcome MouseControl::ApplyFile(int slot, const std::string& path) {
    if (!m_services.iniFiles.FileExists(path)) return Failed(kExitFailed, "cannot open " + path);
    if (!HoldsProfileKeys(m_services.iniFiles, path)) return Failed(kExitFailed, path + " holds no profile settings");
    // Missing keys or values the pages could never set would go to the mouse as they are.
    const std::vector<std::string> problems = CheckProfileFile(m_services.iniFiles, path);
    if (!problems.empty()) {
        std::string error = path + " is not a sound profile file:";
        for (const std::string& problem : problems) error += "\n  " + problem;
        return Failed(kExitFailed, error);
    }
    const ImportResult result = OnSlot(m_session.Edit(), slot, [&] { return m_session.Import(path); });
    switch (result) {
        case ImportResult::Unreadable: return Failed(kExitFailed, "cannot open " + path);
        case ImportResult::NotAProfile: return Failed(kExitFailed, path + " holds no profile settings");
        case ImportResult::CopyFailed:
            return Failed(kExitFailed, "cannot replace the profile file of slot " + UserSlot(slot) + "; nothing changed");
        case ImportResult::Imported: break;
    }
    return Finish(option::kApplyCompare,
                  "slot " + UserSlot(slot) + " holds '" + NameOf(m_session.Edit().Profiles[slot]) + "' from " + path);
}

Outcome MouseControl::ExportSlot(int slot, const std::string& path) {
    if (!OnSlot(m_session.Edit(), slot, [&] { return m_session.Export(path); }))
        return Failed(kExitFailed, "cannot write " + path);
    Outcome outcome;
    outcome.output = "slot " + UserSlot(slot) + " saved as " + path + "\n";
    return outcome;
}

Outcome MouseControl::Defaults(int slot) {
    OnSlot(m_session.Edit(), slot, [&] {
        m_session.ResetCurrent();
        return true;
    });
    return Finish(option::kApplyMarked, "slot " + UserSlot(slot) + " holds its default profile");
}

Outcome MouseControl::Finish(int mode, const std::string& done) {
    const bool agentTold = m_session.Apply(mode);
    Outcome outcome;
    outcome.blockChanged = true;
    if (!agentTold) {
        outcome.exitCode = kExitNoAgent;
        outcome.error = done + " in the settings files, but Monitor's window is gone: the mouse was not written\n";
        return outcome;
    }
    outcome.output = done + (MousePresent() ? "; Monitor writes it to the mouse\n"
                                            : "; the mouse is not present, Monitor writes it when it is plugged in\n");
    return outcome;
}

}  // namespace mousectl
