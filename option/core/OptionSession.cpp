#include "option/core/OptionSession.h"

#include "option/core/ChangeGroups.h"
#include "option/core/OptionConstants.h"
#include "option/core/VersionText.h"
#include "profile/AppSettings.h"
#include "profile/PointerSettings.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileSet.h"

OptionSession::OptionSession(const OptionServices& services)
    : m_services(services), m_applied(std::make_unique<SettingsBlock>()), m_edit(std::make_unique<SettingsBlock>()) {
    ClearBlock(*m_applied);
    ClearBlock(*m_edit);
    DefaultOsdSettings(m_displaySettings);
}

void OptionSession::Start() {
    ClearBlock(*m_applied);
    AppSettingsFile settings(m_services.iniFiles, m_services.programFolder);
    m_firmwareText = FirmwareVersionText(settings.ReadFirmwareVersion(), true);
    if (m_services.sharedBlock.Attach()) {
        if (m_services.sharedBlock.Read(*m_applied)) ClearButtonAndGroupFlags(*m_applied);
    } else {
        LoadProfileSet(*m_applied, m_services.iniFiles, m_services.registry, m_services.programFolder);
    }
    if (m_macros) m_macros->Load();
    DefaultOsdSettings(m_displaySettings);
    settings.ReadOsdSettings(m_displaySettings);
    *m_edit = *m_applied;
    MergeAndSaveMacros();
    // The system's pointer settings are the truth while the agent runs.
    if (Attached() && m_edit->CurrentSlot >= 0 && m_edit->CurrentSlot < kSlotCount)
        ReadPointerSettings(m_edit->Profiles[m_edit->CurrentSlot], m_services.registry);
}

bool OptionSession::Apply(int mode) {
    if (mode == option::kApplyCompare) ComputeChangeFlags(*m_edit, *m_applied);
    // An agent started after this program (or restarted after a crash) has
    // a block of its own by now.
    if (!Attached()) m_services.sharedBlock.Attach();
    m_services.sharedBlock.Write(*m_edit);
    const bool profilesSaved = SaveProfileSet();
    // Before the agent is told: it reads the display settings from the file.
    const bool settingsSaved = SaveAppSettings();
    const bool answerDue = m_services.agent.SendApply(mode);
    m_services.agent.NotifyApplets();
    ClearButtonAndGroupFlags(*m_edit);
    *m_applied = *m_edit;
    const bool macrosSaved = !m_macros || m_macros->Save();
    m_lastApplySaved = profilesSaved && settingsSaved && macrosSaved;
    return answerDue;
}

bool OptionSession::SaveProfileSet() {
    const SettingsBlock& block = *m_edit;
    if (block.CurrentSlot >= 0 && block.CurrentSlot < kSlotCount)
        WritePointerSettings(block.Profiles[block.CurrentSlot], m_services.registry);
    bool saved = true;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        saved &= SaveIniFile(m_services.iniFiles, SlotProfilePath(m_services.programFolder, slot),
                             [&](IniAccessor& file) { return WriteProfileFields(block.Profiles[slot], file); });
    }
    return saved;
}

bool OptionSession::SaveAppSettings() {
    // One replacement of the whole file, in the order the keys were always
    // written; the keys of the agent and the installer are carried over.
    return UpdateIniFile(m_services.iniFiles, AppSettingsPath(m_services.programFolder), [&](IniAccessor& file) {
        AppSettingsFile settings(file);
        return settings.WriteOsdSettings(m_displaySettings) && settings.WriteCurrentSlot(m_edit->CurrentSlot) &&
               settings.WriteMouseType(m_edit->MouseType) && settings.WriteAccessCode(m_services.clock);
    });
}

void OptionSession::MergeAndSaveMacros() {
    if (!m_macros) return;
    m_macros->MergeWith(*m_edit);
    m_macros->Save();
}

void OptionSession::SelectSlot(int slot) {
    if (slot >= 0 && slot < kSlotCount) m_edit->CurrentSlot = slot;
}

void OptionSession::SetOrientation(int orientation) { CurrentProfile(*m_edit).Orientation = orientation; }

void OptionSession::ResetCurrent() {
    const int slot = CurrentSlot();
    FillDefaults(m_edit->Profiles[slot], slot);
    MarkSlotChanged(*m_edit, slot);
}

void OptionSession::ResetAll() {
    ResetProfileSet(*m_edit);
    DefaultOsdSettings(m_displaySettings);
    MarkAllChanged(*m_edit);
}

ImportResult OptionSession::Import(const std::string& chosenPath) {
    return ImportProfile(*m_edit, chosenPath, m_services.programFolder, m_services.iniFiles, m_services.files);
}

bool OptionSession::Export(const std::string& path) {
    return ExportProfile(*m_edit, path, m_services.iniFiles);
}

void OptionSession::OnFirmwareChanged() {
    AppSettingsFile settings(m_services.iniFiles, m_services.programFolder);
    m_firmwareText = FirmwareVersionText(settings.ReadFirmwareVersion(), false);
    if (!m_services.sharedBlock.Read(*m_applied)) return;
    ClearButtonAndGroupFlags(*m_applied);
    *m_edit = *m_applied;
    MergeAndSaveMacros();
}

void OptionSession::OnSlotChangedByAgent() {
    // Nothing read leaves the applied copy as old as it was: the edits stay.
    if (m_services.sharedBlock.Read(*m_applied)) *m_edit = *m_applied;
}

void OptionSession::OnSettingsChangedByMouse() {
    if (m_services.sharedBlock.Read(*m_applied)) TakeOverMouseChanges(*m_edit, *m_applied);
}
