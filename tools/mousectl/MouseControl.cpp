#include "MouseControl.h"

#include "BackupCheck.h"
#include "BackupText.h"
#include "FileReplacement.h"
#include "tools/profiletool/ProfileReview.h"
#include "option/core/OptionConstants.h"
#include "profile/AppSettings.h"
#include "profile/IniText.h"
#include "profile/MemoryIniFiles.h"
#include "profile/PointerSettings.h"
#include "profile/ProfileSet.h"

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

std::string Indented(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\n  " + line;
    return text;
}

// A registry without keys: a profile set loaded with it keeps the pointer
// settings its files hold.
class NoRegistry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenKey(const std::string&) override { return nullptr; }
};

}  // namespace

MouseControl::MouseControl(const OptionServices& services) : m_services(services), m_session(m_services) {}

Outcome MouseControl::Run(const Command& command) {
    // A backup reads the stored files only. The other commands are for the
    // running agent: without its block the session would fall back to the
    // files, so that is an error here.
    if (command.kind != CommandKind::Backup) {
        if (!m_services.sharedBlock.Attach())
            return Failed(kExitNoAgent,
                          "Monitor is not running (its shared settings block is missing); start Monitor.exe first");
        m_session.Start();
    }
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
        case CommandKind::Backup: return Backup(command.path);
        case CommandKind::Restore: return Restore(command.path);
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
    if (!problems.empty()) return Failed(kExitFailed, path + " is not a sound profile file:" + Indented(problems));
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

Outcome MouseControl::Backup(const std::string& path) {
    std::vector<BackupPart> parts;
    std::string absent;
    for (const PartFile& entry : BackupPartFiles()) {
        BackupPart part;
        part.name = entry.name;
        const std::string file = m_services.programFolder + entry.name;
        part.present = m_services.iniFiles.FileExists(file);
        if (part.present && !m_services.iniFiles.ReadWhole(file, part.bytes))
            return Failed(kExitFailed, "cannot read " + file + "; no backup written");
        if (!part.present) absent += "\n  " + entry.name + " does not exist (a restore removes it)";
        parts.push_back(part);
    }
    if (!ReplaceFiles(m_services.iniFiles, {FileChange{path, true, WriteBackupText(parts)}}).empty())
        return Failed(kExitFailed, "cannot write " + path);
    Outcome outcome;
    outcome.output = "the slot profile files, the macro file and config.ini saved in " + path + absent + "\n";
    // Better known now than when the backup is needed.
    const std::vector<std::string> problems = CheckBackupParts(parts);
    if (!problems.empty())
        outcome.error = "warning: restore refuses this backup, the stored files have problems:" +
                        Indented(problems) + "\n";
    return outcome;
}

Outcome MouseControl::Restore(const std::string& path) {
    IniFileStore& store = m_services.iniFiles;
    std::string text;
    if (!store.FileExists(path) || !store.ReadWhole(path, text)) return Failed(kExitFailed, "cannot open " + path);
    const BackupReading reading = ReadBackupText(text);
    std::vector<std::string> problems = reading.problems;
    if (problems.empty()) problems = CheckBackupParts(reading.parts);
    if (!problems.empty())
        return Failed(kExitFailed, path + " is not a sound backup; nothing changed:" + Indented(problems));

    // The restored set as the agent loads it from the files, except that the
    // pointer settings come from the files too: they are put into effect.
    const std::string& folder = m_services.programFolder;
    MemoryIniFiles restored;
    std::vector<FileChange> changes;
    for (size_t index = 0; index < reading.parts.size(); ++index) {
        const BackupPart& part = reading.parts[index];
        if (part.present) restored.SetText(folder + part.name, part.bytes);
        if (BackupPartFiles()[index].kind != PartKind::AppSettings)
            changes.push_back(FileChange{folder + part.name, part.present, part.bytes});
    }
    SettingsBlock& edit = m_session.Edit();
    NoRegistry noRegistry;
    LoadProfileSet(edit, restored, noRegistry, folder);
    edit.CurrentSlot = EffectiveSlot(edit.CurrentSlot);
    const std::string settingsPath = AppSettingsPath(folder);
    std::string settings;
    if (!store.ReadWhole(settingsPath, settings))
        return Failed(kExitFailed, "cannot read " + settingsPath + "; nothing changed");
    changes.push_back(FileChange{settingsPath, true, RestoredSettings(settings, restored, edit)});
    const std::string failure = ReplaceFiles(store, changes);
    if (!failure.empty()) return Failed(kExitFailed, failure);

    // Apply without saving: the files hold the backup's bytes already.
    MarkAllChanged(edit);
    WritePointerSettings(edit.Profiles[edit.CurrentSlot], m_services.registry);
    m_services.sharedBlock.Write(edit);
    const bool agentTold = m_services.agent.SendApply(option::kApplyMarked);
    m_services.agent.NotifyApplets();
    return Reported(agentTold, "the slot profile files, the macro file and config.ini are restored from " + path);
}

// config.ini as it is with the keys an apply writes set from the restored
// set: the keys of the agent and the installer describe this installation.
std::string MouseControl::RestoredSettings(const std::string& current, IniFileSystem& restored,
                                           const SettingsBlock& block) {
    OsdSettings display;
    DefaultOsdSettings(display);
    AppSettingsFile(restored, m_services.programFolder).ReadOsdSettings(display);
    IniText text(current);
    AppSettingsFile settings(text);
    settings.WriteOsdSettings(display);
    settings.WriteCurrentSlot(block.CurrentSlot);
    settings.WriteMouseType(block.MouseType);
    settings.WriteAccessCode(m_services.clock);
    return text.Bytes();
}

Outcome MouseControl::Finish(int mode, const std::string& done) { return Reported(m_session.Apply(mode), done); }

Outcome MouseControl::Reported(bool agentTold, const std::string& done) {
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
