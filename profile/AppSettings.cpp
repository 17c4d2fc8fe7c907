#include "AppSettings.h"

const char kAppSettingsFileName[] = "config.ini";

const char kAppSettingSection[] = "Setting";
const char kCurrentProfileKey[] = "CurrentProfile";
const char kMouseTypeKey[] = "MouseType";
const char kFirmwareVersionKey[] = "FWVersion";
const char kDeviceKey[] = "Device";
const char kAccessCodeSection[] = "HidAccessCode";
const char kAccessCodeKey[] = "Code";
const char kOsdSettingSection[] = "OSDSetting";
const char kOsdSettingKey[] = "config";
const char kMacroOsdSection[] = "MacroOSD";
const char kMacroNumberKey[] = "Number";
const char kMacroNameKey[] = "MacroName";
const char kOsdDataSection[] = "OSDData";
const char kOsdMessageKey[] = "Message";

std::array<uint8_t, kAccessCodeSize> BuildAccessCode(int64_t secondsSince1970) {
    std::array<uint8_t, kAccessCodeSize> code{};
    // Only the low 32 bits are kept.
    auto seconds = static_cast<uint32_t>(secondsSince1970);
    for (int i = 0; i < 4; ++i) code[i] = static_cast<uint8_t>(seconds >> (8 * i));
    return code;
}

std::string AppSettingsPath(const std::string& programFolder) { return programFolder + kAppSettingsFileName; }

AppSettingsFile::AppSettingsFile(IniFileSystem& files, const std::string& programFolder)
    : m_opened(files.Open(AppSettingsPath(programFolder))), m_file(m_opened.get()) {}

int32_t AppSettingsFile::ReadCurrentSlot() {
    return m_file->GetInt(kAppSettingSection, kCurrentProfileKey, kMissingCurrentProfile);
}

bool AppSettingsFile::WriteCurrentSlot(int32_t slot) { return m_file->PutInt(kAppSettingSection, kCurrentProfileKey, slot); }

int32_t AppSettingsFile::ReadMouseType() {
    return m_file->GetInt(kAppSettingSection, kMouseTypeKey, kMissingMouseType);
}

bool AppSettingsFile::WriteMouseType(int32_t mouseType) {
    return m_file->PutInt(kAppSettingSection, kMouseTypeKey, mouseType);
}

void AppSettingsFile::WriteDevicePresence(int32_t present) { m_file->PutInt(kAppSettingSection, kDeviceKey, present); }

int32_t AppSettingsFile::ReadFirmwareVersion() {
    return m_file->GetInt(kAppSettingSection, kFirmwareVersionKey, kMissingFirmwareVersion);
}

bool AppSettingsFile::WriteAccessCode(const WallClock& clock) {
    std::array<uint8_t, kAccessCodeSize> code = BuildAccessCode(clock.SecondsSince1970());
    return m_file->PutStruct(kAccessCodeSection, kAccessCodeKey, code.data(), code.size());
}

bool AppSettingsFile::ReadOsdSettings(OsdSettings& settings) {
    // The platform's struct reader decodes into the buffer before it checks
    // the checksum, so a damaged value is read into a copy first.
    OsdSettings read = settings;
    if (!m_file->GetStruct(kOsdSettingSection, kOsdSettingKey, &read, sizeof read)) return false;
    settings = read;
    return true;
}

bool AppSettingsFile::WriteOsdSettings(const OsdSettings& settings) {
    return m_file->PutStruct(kOsdSettingSection, kOsdSettingKey, &settings, sizeof settings);
}

void AppSettingsFile::WriteMacroNotice(int32_t number, const char* macroName) {
    m_file->PutInt(kMacroOsdSection, kMacroNumberKey, number);
    m_file->PutString(kMacroOsdSection, kMacroNameKey, macroName ? macroName : "");
}

void AppSettingsFile::WriteNoticeMessage(const char* text) {
    m_file->PutString(kOsdDataSection, kOsdMessageKey, text ? text : "");
}
