// Option's profile import on any chosen file and any file already in the
// slot: a file without profile keys, a missing file or a failed copy or
// replace changes nothing (block, slot file, no temporary file left); an
// import copies the chosen file whole into the slot, reads it into that
// slot's record only and marks buttons 1..6 changed; an exported profile
// imports back to the same record.
#include "FuzzCheck.h"
#include "IniText.h"

#include "option/core/ProfileTransfer.h"
#include "option/macros/MemoryIniFileStore.h"
#include "profile/ProfileFile.h"
#include "profile/SettingsBlock.h"

#include <cctype>
#include <cstring>
#include <memory>
#include <set>

namespace {

constexpr char kFolder[] = "C:\\Program\\";
constexpr char kChosenPath[] = "D:\\Profiles\\chosen.gmp";
constexpr char kMissingPath[] = "D:\\Profiles\\missing.gmp";
constexpr char kExportPath[] = "D:\\Profiles\\export.gmp";
constexpr int32_t kCurrentSlots[] = {0, 1, 2, 3, 4, -1, 5, 77};
constexpr int kImportedButtons = 6;
constexpr uint32_t kSlotFileAttributes = 0x22;  // archive and hidden

// Section and key names reach the files as C strings: a NUL ends them (and
// blanks before it end the key, as on any key line).
std::string KeyName(const std::string& key) { return TrimBlanks(key.c_str()); }

void LoadText(MemoryIniFileStore& store, const std::string& path, const std::string& text) {
    ReadIniText(text, [&](const std::string& section, const std::string& key, const std::string& value) {
        store.SetValue(path, section.c_str(), KeyName(key), value);
    });
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (tolower(static_cast<unsigned char>(a[i])) != tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::string LowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

// The model of "a profile file": some key of the profile section (any case)
// is a key of the profile file.
bool TextHoldsProfileKeys(const std::string& text) {
    static const std::set<std::string> kKeys = [] {
        std::set<std::string> keys;
        for (const ProfileField& field : ProfileFieldsInReadOrder()) keys.insert(LowerCase(field.key));
        return keys;
    }();
    bool holds = false;
    ReadIniText(text, [&](const std::string& section, const std::string& key, const std::string&) {
        if (!holds && SameName(section.c_str(), kProfileSection)) holds = kKeys.count(LowerCase(KeyName(key))) != 0;
    });
    return holds;
}

// Copies through the store's text, as a byte copy would; may be made to fail.
class Copies : public FileOperations {
public:
    explicit Copies(MemoryIniFileStore& store) : m_store(store) {}
    bool fail = false;
    int copies = 0;
    std::vector<std::pair<std::string, unsigned>> attributes;

    bool Copy(const std::string& from, const std::string& to) override {
        ++copies;
        if (fail || !m_store.FileExists(from)) return false;
        m_store.RemoveFile(to);
        LoadText(m_store, to, m_store.Text(from));
        return true;
    }
    void SetAttributes(const std::string& path, unsigned value) override { attributes.push_back({path, value}); }

private:
    MemoryIniFileStore& m_store;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    auto edit = std::make_unique<SettingsBlock>();
    ClearBlock(*edit);
    ResetProfileSet(*edit);
    edit->CurrentSlot = input.PickValueInArray(kCurrentSlots);
    const int slot = EffectiveSlot(edit->CurrentSlot);
    const int chosenKind = input.ConsumeIntegralInRange(0, 3);  // chosen, with blanks, own file, missing
    const bool failCopy = input.ConsumeBool();
    const bool failReplace = input.ConsumeBool();
    const bool roundTrip = input.ConsumeBool();
    const std::string chosenText = input.ConsumeRandomLengthString(size);
    const std::string slotText = input.ConsumeRemainingBytesAsString();

    MemoryIniFileStore store;
    const std::string target = SlotProfilePath(kFolder, slot);
    LoadText(store, target, slotText);
    const bool slotFileExists = store.FileExists(target);
    LoadText(store, kChosenPath, chosenText);
    Copies files(store);
    files.fail = failCopy;

    std::string chosenPath = kChosenPath;
    std::string ownPath = target;
    for (char& c : ownPath) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    if (chosenKind == 1) chosenPath = " \t" + chosenPath + " ";
    if (chosenKind == 2) chosenPath = " " + ownPath;
    if (chosenKind == 3) chosenPath = kMissingPath;
    const bool ownFile = chosenKind == 2;
    if (failReplace && !ownFile) store.FailNextReplace();
    const std::string sourceText = ownFile ? slotText : chosenText;
    const bool sourceExists = ownFile ? slotFileExists : chosenKind != 3 && store.FileExists(kChosenPath);

    auto before = std::make_unique<SettingsBlock>(*edit);
    const std::string slotFileBefore = store.Text(target);
    const ImportResult result = ImportProfile(*edit, chosenPath, kFolder, store, files);

    ImportResult expected = ImportResult::Imported;
    if (!sourceExists) expected = ImportResult::Unreadable;
    else if (!TextHoldsProfileKeys(sourceText)) expected = ImportResult::NotAProfile;
    else if (!ownFile && (failCopy || failReplace)) expected = ImportResult::CopyFailed;
    FUZZ_CHECK(result == expected);
    FUZZ_CHECK(!store.FileExists(TemporaryFileFor(target)));
    FUZZ_CHECK(files.copies == (ownFile || expected == ImportResult::Unreadable || expected == ImportResult::NotAProfile ? 0 : 1));
    if (result != ImportResult::Imported) {
        FUZZ_CHECK(memcmp(edit.get(), before.get(), sizeof(SettingsBlock)) == 0);
        FUZZ_CHECK(store.Text(target) == slotFileBefore);
        FUZZ_CHECK(files.attributes.empty());
        return 0;
    }

    // The slot's file is the chosen one, marked archive and hidden.
    if (!ownFile) {
        FUZZ_CHECK(store.Text(target) == store.Text(kChosenPath));
        FUZZ_CHECK(files.attributes.size() == 1 && files.attributes[0].first == target &&
                   files.attributes[0].second == kSlotFileAttributes);
    } else {
        FUZZ_CHECK(store.Text(target) == slotFileBefore && files.attributes.empty());
    }
    // Only this slot's record changed: read from the file over what it held.
    ReadProfileFile(before->Profiles[slot], store, target);
    for (int button = 0; button < kImportedButtons; ++button) before->ButtonChanged[slot][button] = 1;
    FUZZ_CHECK(memcmp(edit.get(), before.get(), sizeof(SettingsBlock)) == 0);

    // Every field comes back, but for blanks a cut left at the end of a
    // text: an INI file does not keep those.
    if (roundTrip) {
        auto imported = std::make_unique<ProfileRecord>(edit->Profiles[slot]);
        files.fail = false;
        FUZZ_CHECK(ExportProfile(*edit, kExportPath, store));
        FUZZ_CHECK(ImportProfile(*edit, kExportPath, kFolder, store, files) == ImportResult::Imported);
        const auto* was = reinterpret_cast<const uint8_t*>(imported.get());
        const auto* now = reinterpret_cast<const uint8_t*>(&edit->Profiles[slot]);
        for (const ProfileField& field : ProfileFieldsInReadOrder()) {
            if (field.kind != FieldKind::Text) {
                FUZZ_CHECK(memcmp(was + field.offset, now + field.offset, field.size) == 0);
                continue;
            }
            std::string text(reinterpret_cast<const char*>(was + field.offset));
            text.erase(text.find_last_not_of(" \t\r") + 1);
            FUZZ_CHECK(text == reinterpret_cast<const char*>(now + field.offset));
        }
    }
    return 0;
}
