#include "skin/core/SkinFile.h"

#include "skin/core/TextScan.h"

#include <string>

namespace {

// Stands in for a file that was never opened: every read gives the default.
class UnopenedAccessor : public IniAccessor {
public:
    std::string GetString(const char*, const char*, const char* defaultText) override {
        return defaultText ? defaultText : "";
    }
    bool PutString(const char*, const char*, const char*) override { return false; }
    int32_t GetInt(const char*, const char*, int32_t defaultValue) override { return defaultValue; }
    bool GetStruct(const char*, const char*, void*, size_t) override { return false; }
    bool PutStruct(const char*, const char*, const void*, size_t) override { return false; }
};

}  // namespace

SkinFile::SkinFile(IniFileSystem& files) : m_files(files) {}

void SkinFile::Open(const std::string& path) {
    m_path = path;
    m_accessor.reset();
    m_placements.reset();
}

IniAccessor& SkinFile::Accessor() {
    if (!m_accessor) {
        if (m_path.empty())
            m_accessor = std::make_unique<UnopenedAccessor>();
        else
            m_accessor = m_files.Open(m_path);
        if (!m_accessor) m_accessor = std::make_unique<UnopenedAccessor>();
    }
    return *m_accessor;
}

std::string SkinFile::ReadString(const char* section, const char* key, const char* defaultText) {
    return Accessor().GetString(section, key, defaultText ? defaultText : "");
}

int32_t SkinFile::ReadInt(const char* section, const char* key, int32_t defaultValue) {
    return Accessor().GetInt(section, key, defaultValue);
}

bool SkinFile::WriteString(const char* section, const char* key, const char* value) {
    m_placements.reset();
    return Accessor().PutString(section, key, value);
}

bool SkinFile::WriteInt(const char* section, const char* key, int32_t value) {
    m_placements.reset();
    return Accessor().PutInt(section, key, value);
}

bool SkinFile::ReadStruct(const char* section, const char* key, void* bytes, size_t size) {
    return Accessor().GetStruct(section, key, bytes, size);
}

bool SkinFile::WriteStruct(const char* section, const char* key, const void* bytes, size_t size) {
    m_placements.reset();
    return Accessor().PutStruct(section, key, bytes, size);
}

SkinScreenImages SkinFile::ReadScreenImages() {
    // One read of the section where the files allow it; its keys, like a
    // key's own read, in any case.
    IniSection screen;
    const bool listed = Accessor().GetSection(kScreenSection, screen);
    const auto value = [&](const char* key) {
        if (!listed) return ReadString(kScreenSection, key);
        for (const auto& [name, text] : screen)
            if (EqualIgnoringCase(name, key)) return text;
        return std::string();
    };
    SkinScreenImages images;
    images.mask = value(kMaskKey);
    for (size_t i = 0; i < kSkinStateCount; ++i) images.states[i] = value(kStateImageKeys[i]);
    return images;
}

ButtonEntry SkinFile::ReadButtonEntry(int key) {
    // A window reads dozens of entries: the section is read once where the
    // files allow it.
    if (!m_placements) {
        auto placements = std::make_unique<IniSection>();
        if (Accessor().GetSection(kButtonPositionSection, *placements)) m_placements = std::move(placements);
    }
    const std::string name = std::to_string(key);
    if (!m_placements) return ParseButtonEntry(ReadString(kButtonPositionSection, name.c_str()));
    const auto found = m_placements->find(name);
    return ParseButtonEntry(found == m_placements->end() ? std::string() : found->second);
}

std::string SkinFolderOf(const std::string& programFolder) {
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder + kSkinsFolderName;
}

std::string SkinImagePath(const std::string& skinFolder, const std::string& fileName) {
    if (fileName.empty()) return std::string();
    return skinFolder + fileName;
}
