// The skin-file reader on any skin file text: image names as the keys hold
// them (never a path to the skin folder itself), each placement entry the
// parse of exactly its own key, a missing one the empty rectangle.
#include "FuzzCheck.h"
#include "IniText.h"

#include "profile/MemoryIniFiles.h"
#include "skin/core/SkinFile.h"

namespace {

constexpr char kFolder[] = "C:\\Program\\skins\\";
constexpr char kPath[] = "C:\\Program\\skins\\Option.ini";
constexpr int kMaxKey = 64;
constexpr size_t kGetStringLimit = 2047;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryIniFiles files;
    ReadIniText(std::string(reinterpret_cast<const char*>(data), size),
                [&](const std::string& section, const std::string& key, const std::string& value) {
                    files.SetValue(kPath, section, key, value);
                });
    SkinFile skin(files);
    skin.Open(kPath);

    auto stored = [&](const char* section, const std::string& key, std::string& value) {
        if (!files.GetValue(kPath, section, key, value)) return false;
        value = value.substr(0, kGetStringLimit);
        return true;
    };
    const SkinScreenImages images = skin.ReadScreenImages();
    std::string value;
    FUZZ_CHECK(images.mask == (stored(kScreenSection, kMaskKey, value) ? value : ""));
    for (size_t i = 0; i < kSkinStateCount; ++i) {
        const std::string& name = images.State(static_cast<SkinState>(i));
        FUZZ_CHECK(name == (stored(kScreenSection, kStateImageKeys[i], value) ? value : ""));
        const std::string path = SkinImagePath(kFolder, name);
        FUZZ_CHECK(path.empty() == name.empty());
        FUZZ_CHECK(path.empty() || path != kFolder);
    }

    for (int key = -1; key <= kMaxKey; ++key) {
        const ButtonEntry entry = skin.ReadButtonEntry(key);
        if (stored(kButtonPositionSection, std::to_string(key), value)) {
            const ButtonEntry expected = ParseButtonEntry(value);
            FUZZ_CHECK(entry.label == expected.label && entry.rect == expected.rect && entry.hint == expected.hint);
        } else {
            FUZZ_CHECK(entry.rect == SkinRect{} && entry.label.empty() && entry.hint.empty());
        }
    }
    return 0;
}
