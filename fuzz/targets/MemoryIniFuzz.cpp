// The in-memory INI files: random writes and reads against a plain model of
// sections and keys (case-insensitive names, a new key appended to its
// section), the file text, the integer parsing and structured values.
#include "FuzzCheck.h"

#include "profile/MemoryIniFiles.h"
#include "profile/StructuredValue.h"

#include <cctype>
#include <cinttypes>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr size_t kGetStringLimit = 2047;
constexpr size_t kMaxOperations = 64;
constexpr size_t kMaxValueLength = 3000;
constexpr size_t kMaxStructSize = 600;
const char* const kPaths[] = {"C:\\a\\config.ini", "C:\\a\\config\\Default1.gmp"};
const char* const kNames[] = {"Setting", "SETTING", "OSDSetting", "ProFileName", "MacroKeyInfo0", "x", "", "Key"};

struct ModelSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
};
using ModelFile = std::vector<ModelSection>;

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (tolower(static_cast<unsigned char>(a[i])) != tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

void ModelSet(ModelFile& file, const std::string& section, const std::string& key, const std::string& value) {
    for (ModelSection& candidate : file) {
        if (!SameName(candidate.name, section)) continue;
        for (auto& entry : candidate.keys)
            if (SameName(entry.first, key)) {
                entry.second = value;
                return;
            }
        candidate.keys.emplace_back(key, value);
        return;
    }
    file.push_back(ModelSection{section, {{key, value}}});
}

const std::string* ModelGet(const ModelFile& file, const std::string& section, const std::string& key) {
    for (const ModelSection& candidate : file) {
        if (!SameName(candidate.name, section)) continue;
        for (const auto& entry : candidate.keys)
            if (SameName(entry.first, key)) return &entry.second;
        return nullptr;
    }
    return nullptr;
}

std::string PickName(FuzzedDataProvider& input) {
    std::string name = input.PickValueInArray(kNames);
    // Names differing only in case are the same name.
    for (char& c : name)
        if (input.ConsumeBool()) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    if (input.ConsumeBool()) name = input.ConsumeRandomLengthString(12);
    // Names reach the files as C strings.
    return name.c_str();
}

// Decimal and hexadecimal texts of a value read back as the value.
void CheckIntegerTexts(int32_t value) {
    char text[32];
    snprintf(text, sizeof text, "%" PRId32, value);
    FUZZ_CHECK(ParseProfileInt(text) == value);
    snprintf(text, sizeof text, " \t%" PRId32 "x", value);
    FUZZ_CHECK(ParseProfileInt(text) == value);
    snprintf(text, sizeof text, "0x%" PRIX32, static_cast<uint32_t>(value));
    FUZZ_CHECK(ParseProfileInt(text) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    MemoryIniFiles files;
    ModelFile models[2];

    for (size_t step = 0; step < kMaxOperations && input.remaining_bytes() > 0; ++step) {
        const size_t which = input.ConsumeIntegralInRange<size_t>(0, 1);
        const std::string path = kPaths[which];
        ModelFile& model = models[which];
        const std::string section = PickName(input);
        const std::string key = PickName(input);
        auto accessor = files.Open(path);
        switch (input.ConsumeIntegralInRange(0, 4)) {
        case 0: {  // string write, read back through every reader
            const std::string value = input.ConsumeRandomLengthString(kMaxValueLength);
            // The accessor takes C strings: the value ends at its first NUL.
            const std::string stored = value.c_str();
            FUZZ_CHECK(accessor->PutString(section.c_str(), key.c_str(), value.c_str()));
            ModelSet(model, section, key, stored);
            FUZZ_CHECK(accessor->GetString(section.c_str(), key.c_str(), "d") == stored.substr(0, kGetStringLimit));
            FUZZ_CHECK(accessor->GetInt(section.c_str(), key.c_str(), -7) ==
                       (stored.empty() ? -7 : ParseProfileInt(stored)));
            break;
        }
        case 1: {  // integer write
            const int32_t value = input.ConsumeIntegral<int32_t>();
            FUZZ_CHECK(accessor->PutInt(section.c_str(), key.c_str(), value));
            ModelSet(model, section, key, std::to_string(value));
            FUZZ_CHECK(accessor->GetInt(section.c_str(), key.c_str(), 0) == value);
            CheckIntegerTexts(value);
            break;
        }
        case 2: {  // structured value write and read back
            const std::vector<uint8_t> bytes =
                input.ConsumeBytes<uint8_t>(input.ConsumeIntegralInRange<size_t>(0, kMaxStructSize));
            FUZZ_CHECK(accessor->PutStruct(section.c_str(), key.c_str(), bytes.data(), bytes.size()));
            ModelSet(model, section, key, EncodeStructuredValue(bytes.data(), bytes.size()));
            std::vector<uint8_t> back(bytes.size() + 1, 0xA5);
            FUZZ_CHECK(accessor->GetStruct(section.c_str(), key.c_str(), back.data(), bytes.size()));
            FUZZ_CHECK(std::equal(bytes.begin(), bytes.end(), back.begin()));
            FUZZ_CHECK(back[bytes.size()] == 0xA5);
            // Any other size is refused and leaves the buffer alone.
            std::vector<uint8_t> other(bytes.size() + 2, 0x5A);
            FUZZ_CHECK(!accessor->GetStruct(section.c_str(), key.c_str(), other.data(), bytes.size() + 1));
            FUZZ_CHECK(other == std::vector<uint8_t>(bytes.size() + 2, 0x5A));
            break;
        }
        case 3: {  // read of a key that may be missing
            const std::string* expected = ModelGet(model, section, key);
            FUZZ_CHECK(accessor->GetString(section.c_str(), key.c_str(), "missing") ==
                       (expected ? expected->substr(0, kGetStringLimit) : std::string("missing")));
            std::string value;
            FUZZ_CHECK(files.GetValue(path, section, key, value) == (expected != nullptr));
            break;
        }
        default: {  // integer parsing of any text stays defined
            const std::string text = input.ConsumeRandomLengthString(40);
            (void)ParseProfileInt(text);
            CheckIntegerTexts(input.ConsumeIntegral<int32_t>());
            break;
        }
        }
    }

    // The text has one line per section and per key, in model order.
    for (size_t which = 0; which < 2; ++which) {
        const ModelFile& model = models[which];
        FUZZ_CHECK(files.FileExists(kPaths[which]) == !model.empty());
        std::string expected;
        for (const ModelSection& section : model) {
            expected += "[" + section.name + "]\n";
            std::vector<std::string> keys;
            for (const auto& entry : section.keys) {
                expected += entry.first + "=" + entry.second + "\n";
                keys.push_back(entry.first);
            }
            FUZZ_CHECK(files.KeyOrder(kPaths[which], section.name) == keys);
        }
        FUZZ_CHECK(files.Text(kPaths[which]) == expected);
    }
    return 0;
}
