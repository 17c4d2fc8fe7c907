// An INI file edited as text in memory and then written in one piece, with
// the semantics of the private-profile functions: section and key names match
// whatever their case, a changed key's line becomes "key=value", a new key
// follows the last line of its section and a new section goes at the end.
// Lines no edit touches keep their bytes; every line ends with "\r\n", as the
// private-profile functions write them. So a file written key by key through
// those functions and one written whole from here hold the same bytes.
#pragma once

#include "IniAccessor.h"

#include <string>
#include <vector>

class IniText : public IniAccessor {
public:
    explicit IniText(const std::string& bytes = std::string());

    // The whole file.
    std::string Bytes() const;

    std::string GetString(const char* section, const char* key, const char* defaultText) override;
    // A null key removes the section, a null text the key.
    bool PutString(const char* section, const char* key, const char* text) override;
    int32_t GetInt(const char* section, const char* key, int32_t defaultValue) override;
    bool GetStruct(const char* section, const char* key, void* buffer, size_t size) override;
    bool PutStruct(const char* section, const char* key, const void* buffer, size_t size) override;

private:
    // [first, end) lines of a section: its header line, then its body.
    struct Span {
        size_t first;
        size_t end;
    };
    bool FindSection(const char* name, Span& span) const;
    // The key's line within the section's body; false when it has none.
    bool FindKey(const Span& span, const char* key, size_t& line) const;
    bool Lookup(const char* section, const char* key, std::string& value) const;

    std::vector<std::string> m_lines;
};
