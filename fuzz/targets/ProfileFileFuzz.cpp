// The profile-file reader on any file text: every field reads as its key
// says (missing integers -1, bytes 255, texts cut and terminated, a damaged
// entry keeps what the record held). Writing a record and reading it back
// is checked by the profile import target (export, then import).
#include "FuzzCheck.h"
#include "IniText.h"

#include "profile/MemoryIniFiles.h"
#include "profile/ProfileFile.h"
#include "profile/StructuredValue.h"

#include <cstring>
#include <memory>

namespace {

constexpr char kPath[] = "C:\\Program\\config\\Default0.gmp";
constexpr size_t kGetStringLimit = 2047;

void CheckField(const ProfileField& field, const uint8_t* before, const uint8_t* after, const MemoryIniFiles& files) {
    std::string value;
    const bool present = files.GetValue(kPath, kProfileSection, field.key, value);
    switch (field.kind) {
    case FieldKind::Text: {
        const std::string expected = std::string(value.c_str()).substr(0, std::min(kGetStringLimit, field.size - 1));
        const char* text = reinterpret_cast<const char*>(after);
        FUZZ_CHECK(strnlen(text, field.size) < field.size);
        FUZZ_CHECK(std::string(text) == (present ? expected : std::string()));
        break;
    }
    case FieldKind::Integer: {
        int32_t read;
        memcpy(&read, after, sizeof read);
        FUZZ_CHECK(read == (present && !value.empty() ? ParseProfileInt(value) : -1));
        break;
    }
    case FieldKind::Byte:
        FUZZ_CHECK(*after == (present && !value.empty() ? (ParseProfileInt(value) & 0xFF) : 0xFF));
        break;
    case FieldKind::Entry: {
        ButtonAssignmentEntry decoded;
        if (present && DecodeStructuredValue(value, &decoded, sizeof decoded))
            FUZZ_CHECK(memcmp(after, &decoded, sizeof decoded) == 0);
        else
            FUZZ_CHECK(memcmp(after, before, field.size) == 0);
        break;
    }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    MemoryIniFiles files;
    ReadIniText(std::string(reinterpret_cast<const char*>(data) + 1, size - 1),
                [&](const std::string& section, const std::string& key, const std::string& value) {
                    files.SetValue(kPath, section, key, value);
                });

    // The record starts as one slot's defaults, as the loader fills it.
    auto before = std::make_unique<ProfileRecord>();
    memset(before.get(), 0, sizeof(ProfileRecord));
    FillDefaults(*before, data[0] % kSlotCount);
    auto record = std::make_unique<ProfileRecord>(*before);
    FUZZ_CHECK(ReadProfileFile(*record, files, kPath));
    for (const ProfileField& field : ProfileFieldsInReadOrder())
        CheckField(field, reinterpret_cast<const uint8_t*>(before.get()) + field.offset,
                   reinterpret_cast<const uint8_t*>(record.get()) + field.offset, files);
    return 0;
}
