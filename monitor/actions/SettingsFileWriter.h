// The keys of the application settings file the engine writes: the current
// slot after the mouse switched profile, and the notice texts the display
// program reads.
#pragma once

#include "profile/AppSettings.h"

#include <functional>
#include <string>

namespace actions {

class SettingsFileWriter {
public:
    virtual ~SettingsFileWriter() = default;
    virtual void WriteCurrentSlot(int slot) = 0;
    virtual void WriteNoticeMessage(const std::string& text) = 0;
    virtual void WriteMacroNotice(int number, const char* macroName) = 0;
};

// Through the profile store's accessor on config.ini of the program folder
// (which the host knows only once its window exists).
class AppSettingsWriter : public SettingsFileWriter {
public:
    AppSettingsWriter(IniFileSystem& files, std::function<std::string()> programFolder)
        : m_files(files), m_programFolder(std::move(programFolder)) {}

    void WriteCurrentSlot(int slot) override { File().WriteCurrentSlot(slot); }
    void WriteNoticeMessage(const std::string& text) override { File().WriteNoticeMessage(text.c_str()); }
    void WriteMacroNotice(int number, const char* macroName) override { File().WriteMacroNotice(number, macroName); }

private:
    AppSettingsFile File() { return AppSettingsFile(m_files, m_programFolder()); }

    IniFileSystem& m_files;
    std::function<std::string()> m_programFolder;
};

}  // namespace actions
