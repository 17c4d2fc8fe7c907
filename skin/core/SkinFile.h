// Skin description files: an INI file in the skin folder naming the five
// full-window state images (section "SCREEN") and the control rectangles
// (section "BUTTONPOS", keys "1", "2", ...).
#pragma once

#include "profile/IniAccessor.h"
#include "skin/core/ButtonEntry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

constexpr char kScreenSection[] = "SCREEN";
constexpr char kMaskKey[] = "Mask";
constexpr char kNormalKey[] = "Normal";
constexpr char kOverKey[] = "Over";
constexpr char kDownKey[] = "Down";
constexpr char kDisableKey[] = "Disable";
constexpr char kButtonPositionSection[] = "BUTTONPOS";

// Appended to the program folder (which ends with a backslash).
constexpr char kSkinsFolderName[] = "skins\\";

// The four state images a control's looks are cut from, in this order.
enum class SkinState { Normal = 0, Over = 1, Down = 2, Disable = 3 };
constexpr size_t kSkinStateCount = 4;
// Key of each state image in "SCREEN", indexed by SkinState.
constexpr const char* kStateImageKeys[kSkinStateCount] = {kNormalKey, kOverKey, kDownKey,
                                                         kDisableKey};

// Image file names from "SCREEN", relative to the skin folder; empty when the
// key is missing.
struct SkinScreenImages {
    std::string mask;
    std::array<std::string, kSkinStateCount> states;  // indexed by SkinState

    const std::string& State(SkinState state) const { return states[static_cast<size_t>(state)]; }
};

// Reader of one skin description file. Opening only remembers the path; every
// read goes to the file, so a missing file or key simply reads as the default.
class SkinFile {
public:
    explicit SkinFile(IniFileSystem& files);

    void Open(const std::string& path);
    const std::string& Path() const { return m_path; }

    // At most 2047 characters; the default when the key is missing.
    std::string ReadString(const char* section, const char* key, const char* defaultText = "");
    int32_t ReadInt(const char* section, const char* key, int32_t defaultValue);
    bool WriteString(const char* section, const char* key, const char* value);
    // Writes the decimal text of the value ("%d").
    bool WriteInt(const char* section, const char* key, int32_t value);
    // Byte blocks with the private-profile checksum.
    bool ReadStruct(const char* section, const char* key, void* bytes, size_t size);
    bool WriteStruct(const char* section, const char* key, const void* bytes, size_t size);

    // The five image names of "SCREEN".
    SkinScreenImages ReadScreenImages();
    // The placement entry of "BUTTONPOS" key (decimal, no leading zeros); a
    // missing key gives the empty rectangle, i.e. an invisible control.
    ButtonEntry ReadButtonEntry(int key);

private:
    IniAccessor& Accessor();

    IniFileSystem& m_files;
    std::string m_path;
    std::unique_ptr<IniAccessor> m_accessor;
    // The "BUTTONPOS" section read whole; none until the first entry is
    // read, or when the files cannot list it. A write drops it.
    std::unique_ptr<IniSection> m_placements;
};

// program folder + "skins\"; a backslash is added first when the folder lacks one.
std::string SkinFolderOf(const std::string& programFolder);

// Full path of an image named in a skin file; empty when the name is empty, so
// that a missing key never makes the loader open the skin folder itself.
std::string SkinImagePath(const std::string& skinFolder, const std::string& fileName);
