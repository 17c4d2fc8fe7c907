// The application settings file "config.ini" in the program folder: values
// that belong to no single profile (current slot, mouse type, firmware
// version, device presence, access code, on-screen display settings and the
// notices for the on-screen display program).
#pragma once

#include "IniAccessor.h"
#include "OsdSettings.h"
#include "WallClock.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

extern const char kAppSettingsFileName[];  // "config.ini"

extern const char kAppSettingSection[];  // "Setting"
extern const char kCurrentProfileKey[];
extern const char kMouseTypeKey[];
extern const char kFirmwareVersionKey[];  // "FWVersion"
extern const char kDeviceKey[];
extern const char kAccessCodeSection[];  // "HidAccessCode"
extern const char kAccessCodeKey[];      // "Code"
extern const char kOsdSettingSection[];  // "OSDSetting"
extern const char kOsdSettingKey[];      // "config"
extern const char kMacroOsdSection[];    // "MacroOSD"
extern const char kMacroNumberKey[];     // "Number"
extern const char kMacroNameKey[];       // "MacroName"
extern const char kOsdDataSection[];     // "OSDData"
extern const char kOsdMessageKey[];      // "Message"

// Values of keys that are missing from the file.
constexpr int32_t kMissingCurrentProfile = -1;
constexpr int32_t kMissingMouseType = -1;
constexpr int32_t kMissingFirmwareVersion = 100;  // version 1.00

constexpr size_t kAccessCodeSize = 16;

// Bytes 0..3: the seconds, 32-bit little-endian; bytes 4..15 zero.
std::array<uint8_t, kAccessCodeSize> BuildAccessCode(int64_t secondsSince1970);

// program folder (with trailing backslash) + "config.ini".
std::string AppSettingsPath(const std::string& programFolder);

class AppSettingsFile {
public:
    AppSettingsFile(IniFileSystem& files, const std::string& programFolder);
    // On the file as the caller has it open (a copy being saved).
    explicit AppSettingsFile(IniAccessor& file) : m_file(&file) {}

    int32_t ReadCurrentSlot();
    bool WriteCurrentSlot(int32_t slot);
    int32_t ReadMouseType();
    bool WriteMouseType(int32_t mouseType);
    // 1 when the mouse is present, 0 when it is gone.
    void WriteDevicePresence(int32_t present);
    // Firmware version times 100.
    int32_t ReadFirmwareVersion();
    bool WriteAccessCode(const WallClock& clock);

    // Leaves the settings unchanged (and returns false) when the value is
    // missing or damaged.
    bool ReadOsdSettings(OsdSettings& settings);
    bool WriteOsdSettings(const OsdSettings& settings);

    // The pressed macro button's number and macro name, for the display program.
    void WriteMacroNotice(int32_t number, const char* macroName);
    // The text of a notice for the display program.
    void WriteNoticeMessage(const char* text);

private:
    std::unique_ptr<IniAccessor> m_opened;
    IniAccessor* m_file;
};
