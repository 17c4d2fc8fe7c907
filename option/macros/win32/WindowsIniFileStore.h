// INI files on the Windows file system, through the private-profile
// functions, with the removal and one-step replacement safe saves need.
#pragma once

#include "option/macros/IniFileStore.h"
#include "profile/win32/PrivateProfileAccessor.h"

class WindowsIniFileStore : public IniFileStore {
public:
    std::unique_ptr<IniAccessor> Open(const std::string& path) override { return m_files.Open(path); }
    bool FileExists(const std::string& path) override { return m_files.FileExists(path); }
    bool RemoveFile(const std::string& path) override;
    bool FlushFile(const std::string& path) override;
    bool MoveOver(const std::string& source, const std::string& target) override;

private:
    PrivateProfileFiles m_files;
};
