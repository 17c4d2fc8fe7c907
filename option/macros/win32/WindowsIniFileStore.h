// INI files on the Windows file system: read through the private-profile
// functions, saved whole, with the removal and one-step replacement safe
// saves need.
#pragma once

#include "option/macros/IniFileStore.h"
#include "profile/win32/PrivateProfileAccessor.h"

#include <string>

class WindowsIniFileStore : public IniFileStore {
public:
    std::unique_ptr<IniAccessor> Open(const std::string& path) override { return m_files.Open(path); }
    bool FileExists(const std::string& path) override { return m_files.FileExists(path); }
    bool RemoveFile(const std::string& path) override;
    bool MoveOver(const std::string& source, const std::string& target) override;
    bool ReadWhole(const std::string& path, std::string& bytes) override;
    bool WriteWhole(const std::string& path, const std::string& bytes) override;

private:
    PrivateProfileFiles m_files;
};
