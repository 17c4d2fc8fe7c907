// INI files held in memory, with the semantics of the private-profile
// functions that matter to callers: case-insensitive section and key names,
// a new key appended at the end of its section, integer parsing with an
// optional sign and 0x prefix, structured values with their checksum.
#pragma once

#include "IniAccessor.h"

#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class MemoryIniFiles : public IniFileSystem {
public:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;  // in file order
        // Key name (any case) -> position of its first entry in keys, so a
        // look-up does not compare every key of a long section.
        struct NoCaseHash {
            size_t operator()(const std::string& key) const;
        };
        struct NoCaseEqual {
            bool operator()(const std::string& a, const std::string& b) const;
        };
        std::unordered_map<std::string, size_t, NoCaseHash, NoCaseEqual> index;

        std::string* Find(const std::string& key);
        void Append(const std::string& key, const std::string& value);
    };
    using File = std::vector<Section>;

    std::unique_ptr<IniAccessor> Open(const std::string& path) override;
    bool FileExists(const std::string& path) override;

    // The file as text ("[Section]" and "key=value" lines), empty when absent.
    std::string Text(const std::string& path) const;
    // Key names of a section in file order.
    std::vector<std::string> KeyOrder(const std::string& path, const std::string& section) const;
    // Direct access for tests that need to plant or damage a value.
    void SetValue(const std::string& path, const std::string& section, const std::string& key,
                  const std::string& value);
    bool GetValue(const std::string& path, const std::string& section, const std::string& key,
                  std::string& value) const;
    // Replaces the file with raw bytes read as the private-profile functions
    // read them: "[Section]" lines open a section, "key=value" lines (blanks
    // around both trimmed) are its keys, every other line is ignored. An
    // empty text makes an empty file that exists.
    void SetText(const std::string& path, const std::string& bytes);

private:
    friend class MemoryIniAccessor;
    std::map<std::string, File> m_files;
};

// Integer parsing of GetPrivateProfileIntA: leading blanks, optional sign,
// "0x" for hexadecimal, digits up to the first other character.
int32_t ParseProfileInt(const std::string& text);

// The lines of a file as the private-profile functions split it: "\r\n",
// "\r" and "\n" each end a line.
std::vector<std::string> IniLines(const std::string& bytes);
