// The configuration program's state apart from its windows: the applied and
// the edit copy of the settings block, the on-screen display settings and
// the firmware version, with start-up, Apply, slot selection, resets,
// import and export, and what the agent's messages do to the copies.
#pragma once

#include <memory>
#include <string>

#include "option/core/OptionPorts.h"
#include "option/core/ProfileTransfer.h"
#include "option/macros/IniFileStore.h"
#include "profile/OsdSettings.h"
#include "profile/Registry.h"
#include "profile/SettingsBlock.h"
#include "profile/WallClock.h"

struct OptionServices {
    SharedBlockPort& sharedBlock;
    AgentPort& agent;
    IniFileStore& iniFiles;
    FileOperations& files;
    Registry& registry;
    const WallClock& clock;
    std::string programFolder;  // with a trailing backslash
};

class OptionSession {
public:
    explicit OptionSession(const OptionServices& services);

    // The macro storage joins when the macro list exists; until then the
    // steps that need it are skipped.
    void SetMacroStorage(MacroStoragePort* macros) { m_macros = macros; }

    // Start-up: copies cleared, firmware text, attach or stored files,
    // macro list and display settings, edit copy, merge, pointer settings.
    void Start();

    SettingsBlock& Edit() { return *m_edit; }
    const SettingsBlock& Edit() const { return *m_edit; }
    const SettingsBlock& Applied() const { return *m_applied; }
    const OsdSettings& DisplaySettings() const { return m_displaySettings; }
    const std::string& FirmwareText() const { return m_firmwareText; }
    bool Attached() const { return m_services.sharedBlock.Attached(); }
    int CurrentSlot() const { return EffectiveSlot(m_edit->CurrentSlot); }

    // Makes the edits take effect. True when the agent was told and its
    // answer is due.
    bool Apply(int mode);
    // False when the last Apply could not save every profile file, config.ini
    // and the macro file (a read-only folder, a full disk): the files stay as
    // they were and the edits live only in this program and the agent.
    bool LastApplySaved() const { return m_lastApplySaved; }

    void SelectSlot(int slot);
    void SetOrientation(int orientation);
    // Defaults for the current slot (or everything) with all of it marked
    // changed; the caller applies with the marked mode.
    void ResetCurrent();
    void ResetAll();

    ImportResult Import(const std::string& chosenPath);
    bool Export(const std::string& path);

    // Messages of the agent.
    void OnFirmwareChanged();
    void OnSlotChangedByAgent();
    void OnSettingsChangedByMouse();

private:
    // False when a slot profile file could not be saved.
    bool SaveProfileSet();
    // False when config.ini could not be saved; it then stays as it was.
    bool SaveAppSettings();
    void MergeAndSaveMacros();

    OptionServices m_services;
    MacroStoragePort* m_macros = nullptr;
    std::unique_ptr<SettingsBlock> m_applied;
    std::unique_ptr<SettingsBlock> m_edit;
    OsdSettings m_displaySettings{};
    std::string m_firmwareText;
    bool m_lastApplySaved = true;
};
