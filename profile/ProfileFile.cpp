#include "ProfileFile.h"

#include <cstdio>
#include <cstring>

const char kProfileSection[] = "Setting";

namespace {

#define FIELD(name, kind) ProfileField{#name, offsetof(ProfileRecord, name), sizeof(ProfileRecord::name), kind}

void AddArray(std::vector<ProfileField>& fields, const char* prefix, size_t offset, int count, FieldKind kind) {
    size_t width = kind == FieldKind::Byte ? 1 : kind == FieldKind::Entry ? sizeof(ButtonAssignmentEntry) : 4;
    for (int n = 0; n < count; ++n) {
        char key[48];
        snprintf(key, sizeof key, "%s%d", prefix, n);
        fields.push_back(ProfileField{key, offset + width * n, width, kind});
    }
}

std::vector<ProfileField> BuildWriteOrder() {
    using K = FieldKind;
    std::vector<ProfileField> f;
    f.push_back(FIELD(ProFileName, K::Text));
    f.push_back(FIELD(GameFile, K::Text));
    for (const ProfileField& field : {
             FIELD(DbleClickSpeed, K::Integer), FIELD(ScrollWheelSpeed, K::Integer),
             FIELD(ScrollWheelFlag, K::Integer), FIELD(MouseSpeed, K::Integer), FIELD(Acceleration, K::Integer),
             FIELD(AccelerationFlag, K::Integer), FIELD(TiltSpeed, K::Integer), FIELD(MediaOption, K::Integer),
             FIELD(HDDKeyboard, K::Integer), FIELD(Orientation, K::Integer), FIELD(XYSynchronous, K::Integer),
             FIELD(Sensitivity_X, K::Integer), FIELD(Sensitivity_Y, K::Integer), FIELD(XYCpiFlag, K::Integer),
             FIELD(LightIntensity, K::Integer), FIELD(BreathSpeed, K::Integer), FIELD(TimeCloseFlag, K::Integer)})
        f.push_back(field);
    AddArray(f, "CpiLevel_X", offsetof(ProfileRecord, CpiLevel_X), kLevelCount, K::Integer);
    AddArray(f, "CpiLevel_Y", offsetof(ProfileRecord, CpiLevel_Y), kLevelCount, K::Integer);
    f.push_back(FIELD(CpiStep, K::Integer));
    AddArray(f, "dpiStepFlag", offsetof(ProfileRecord, dpiStepFlag), kLevelCount, K::Integer);
    AddArray(f, "dpiIndicator", offsetof(ProfileRecord, dpiIndicator), kLevelCount, K::Byte);
    for (const ProfileField& field : {
             FIELD(DpiIndicationType, K::Byte), FIELD(PollingRate, K::Integer), FIELD(LiftSwitch, K::Integer),
             FIELD(LiftLevel, K::Integer), FIELD(LightSwitch, K::Integer), FIELD(LightType, K::Integer),
             FIELD(ColorFlag, K::Integer), FIELD(ColorChangeMode, K::Integer), FIELD(BTOption, K::Integer),
             FIELD(OTGSpeed, K::Integer), FIELD(BtnConfiguration, K::Byte), FIELD(Color1Type, K::Byte),
             FIELD(Color2Type, K::Byte), FIELD(LightEffectSwitch1, K::Byte), FIELD(LightEffectSwitch2, K::Byte),
             FIELD(LightEffectType1, K::Byte), FIELD(LightEffectType2, K::Byte), FIELD(ColorOptions1, K::Byte),
             FIELD(ColorOptions2, K::Byte), FIELD(ColorChangeModeOptions1, K::Byte),
             FIELD(ColorChangeModeOptions2, K::Byte), FIELD(FireOrOnToGoStatusIndicatorSetting, K::Byte),
             FIELD(ProfileSwitchIndictor, K::Byte), FIELD(XuanCaiDirection, K::Integer),
             FIELD(XuanCaiSpeed, K::Integer), FIELD(QiSeIntensity, K::Integer), FIELD(QiSeSpeed, K::Integer),
             FIELD(QiSeType, K::Integer), FIELD(DanSeIntensity, K::Integer), FIELD(DanSeSpeed, K::Integer),
             FIELD(DanSeType, K::Integer), FIELD(DanSeSpecielSpeed, K::Integer),
             FIELD(XuanCaiSpecielSpeed, K::Integer), FIELD(QiSeSpecielSpeed, K::Integer),
             FIELD(NeonSpecielSpeed, K::Integer), FIELD(NeonSpeed, K::Integer), FIELD(NeonIntensity, K::Integer)})
        f.push_back(field);
    AddArray(f, "ClQiSeColor", offsetof(ProfileRecord, ClQiSeColor), 7, K::Integer);
    // ColorOptions1 and ColorOptions2 name both the byte fields above and
    // elements 1 and 2 of this array: the array is written later and wins.
    AddArray(f, "ColorOptions", offsetof(ProfileRecord, ColorOptions), 8, K::Integer);
    AddArray(f, "DPIColor", offsetof(ProfileRecord, DPIColor), kLevelCount, K::Integer);
    AddArray(f, "MacroKeyInfo", offsetof(ProfileRecord, MacroKeyInfo), kButtonCount, K::Entry);
    return f;
}

#undef FIELD

std::vector<ProfileField> BuildReadOrder() {
    std::vector<ProfileField> fields = BuildWriteOrder();
    auto find = [&](const char* key) {
        for (size_t i = 0; i < fields.size(); ++i)
            if (fields[i].key == key) return i;
        return fields.size();
    };
    ProfileField xyCpiFlag = fields[find("XYCpiFlag")];
    fields.erase(fields.begin() + find("XYCpiFlag"));
    fields.insert(fields.begin() + find("TimeCloseFlag") + 1, xyCpiFlag);
    return fields;
}

}  // namespace

const std::vector<ProfileField>& ProfileFieldsInWriteOrder() {
    static const std::vector<ProfileField> fields = BuildWriteOrder();
    return fields;
}

const std::vector<ProfileField>& ProfileFieldsInReadOrder() {
    static const std::vector<ProfileField> fields = BuildReadOrder();
    return fields;
}

bool WriteProfileFile(const ProfileRecord& record, IniFileSystem& files, const std::string& path) {
    auto ini = files.Open(path);
    return ini && WriteProfileFields(record, *ini);
}

bool WriteProfileFields(const ProfileRecord& record, IniAccessor& file) {
    IniAccessor* ini = &file;
    const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
    for (const ProfileField& field : ProfileFieldsInWriteOrder()) {
        const char* key = field.key.c_str();
        const uint8_t* at = bytes + field.offset;
        switch (field.kind) {
        case FieldKind::Text: {
            // A stored text is always terminated inside its field.
            std::string text(reinterpret_cast<const char*>(at), strnlen(reinterpret_cast<const char*>(at), field.size));
            ini->PutString(kProfileSection, key, text.c_str());
            break;
        }
        case FieldKind::Integer: {
            int32_t value;
            memcpy(&value, at, sizeof value);
            ini->PutInt(kProfileSection, key, value);
            break;
        }
        case FieldKind::Byte:
            ini->PutInt(kProfileSection, key, *at);
            break;
        case FieldKind::Entry:
            ini->PutStruct(kProfileSection, key, at, field.size);
            break;
        }
    }
    return true;
}

bool ReadProfileFile(ProfileRecord& record, IniFileSystem& files, const std::string& path) {
    auto ini = files.Open(path);
    auto* bytes = reinterpret_cast<uint8_t*>(&record);
    for (const ProfileField& field : ProfileFieldsInReadOrder()) {
        const char* key = field.key.c_str();
        uint8_t* at = bytes + field.offset;
        switch (field.kind) {
        case FieldKind::Text:
            CopyText(reinterpret_cast<char*>(at), field.size, ini->GetString(kProfileSection, key, "").c_str());
            break;
        case FieldKind::Integer: {
            int32_t value = ini->GetInt(kProfileSection, key, -1);
            memcpy(at, &value, sizeof value);
            break;
        }
        case FieldKind::Byte:
            *at = static_cast<uint8_t>(ini->GetInt(kProfileSection, key, -1) & 0xFF);
            break;
        case FieldKind::Entry: {
            // A missing or damaged value takes the position's default entry:
            // zeros would leave the button with no function (a left button
            // that no longer clicks).
            ButtonAssignmentEntry work;
            if (!ini->GetStruct(kProfileSection, key, &work, sizeof work))
                FillDefaultEntry(work, static_cast<int>((field.offset - offsetof(ProfileRecord, MacroKeyInfo)) /
                                                        sizeof(ButtonAssignmentEntry)));
            memcpy(at, &work, sizeof work);
            break;
        }
        }
    }
    return true;
}

bool HoldsAnyProfileKey(IniFileSystem& files, const std::string& path) {
    // A text no INI line can hold stands for a missing key.
    static const char kMissing[] = "\x01\x02missing\x02\x01";
    auto ini = files.Open(path);
    for (const ProfileField& field : ProfileFieldsInWriteOrder())
        if (ini->GetString(kProfileSection, field.key.c_str(), kMissing) != kMissing) return true;
    return false;
}

std::string SlotProfilePath(const std::string& programFolder, int slot) {
    char name[32];
    snprintf(name, sizeof name, "config\\Default%d.gmp", slot);
    return programFolder + name;
}
