// INI files on the Windows file system, through the private-profile
// functions, with the removal and one-step replacement safe saves need.
#pragma once

#include "option/macros/IniFileStore.h"
#include "profile/win32/PrivateProfileAccessor.h"

#include <map>
#include <string>

class WindowsIniFileStore : public IniFileStore {
public:
    // Notes what is written, so that FlushFile can check the disk took it.
    std::unique_ptr<IniAccessor> Open(const std::string& path) override;
    bool FileExists(const std::string& path) override { return m_files.FileExists(path); }
    bool RemoveFile(const std::string& path) override;
    bool FlushFile(const std::string& path) override;
    bool MoveOver(const std::string& source, const std::string& target) override;
    bool CopyWhole(const std::string& source, const std::string& target) override;

    using Keys = std::map<std::string, std::string>;
    using Sections = std::map<std::string, Keys>;

private:
    PrivateProfileFiles m_files;
    // Per file: section and key names in lower case, values as written.
    std::map<std::string, Sections> m_written;
};
