// INI files in memory that can be removed and replaced, for portable code
// and native tests; faults can be planted to check that saves are safe.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "option/macros/IniFileStore.h"
#include "profile/MemoryIniFiles.h"

class MemoryIniFileStore : public IniFileStore {
public:
    std::unique_ptr<IniAccessor> Open(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool MoveOver(const std::string& source, const std::string& target) override;
    bool ReadWhole(const std::string& path, std::string& bytes) override;
    bool WriteWhole(const std::string& path, const std::string& bytes) override;

    // The file as "[Section]" and "key=value" lines; empty when absent.
    std::string Text(const std::string& path) const;
    void SetValue(const std::string& path, const std::string& section, const std::string& key,
                  const std::string& value);

    // Faults: every write into this file fails; the next replace fails.
    void FailWritesTo(const std::string& path) { m_failingWrites.insert(path); }
    void FailNextReplace() { m_failNextReplace = true; }

private:
    friend class StoreAccessor;
    // One MemoryIniFiles per path, holding its single file under this name,
    // so that a replace moves a file whole.
    static constexpr char kInnerName[] = "file";
    MemoryIniFiles& FilesOf(const std::string& path);

    std::map<std::string, std::unique_ptr<MemoryIniFiles>> m_files;
    std::set<std::string> m_failingWrites;
    bool m_failNextReplace = false;
    // Counts removals, replaces and new files, for accessors to reopen.
    uint64_t m_changes = 0;
};
