// Records for tests: defaults, macro events, varied values for round trips,
// and comparisons.
#pragma once

#include "profile/ProfileFile.h"
#include "profile/SettingsBlock.h"

#include <cstring>
#include <memory>
#include <ostream>
#include <random>
#include <string>

// A record of the slot's defaults, on a zeroed start.
inline std::unique_ptr<ProfileRecord> DefaultRecord(int slot = 0) {
    auto record = std::make_unique<ProfileRecord>();
    memset(record.get(), 0, sizeof *record);
    FillDefaults(*record, slot);
    return record;
}

inline bool IsDefaultRecord(const ProfileRecord& record, int slot) {
    return memcmp(&record, DefaultRecord(slot).get(), sizeof record) == 0;
}

// Appends one macro event (key code, action, delay) to a button entry.
inline void AddMacroEvent(ButtonAssignmentEntry& entry, uint8_t key, uint8_t action, uint16_t delay) {
    uint8_t* event = entry.Data + 4 * entry.ItemCount;
    event[0] = key;
    event[1] = action;
    event[2] = static_cast<uint8_t>(delay & 0xFF);
    event[3] = static_cast<uint8_t>(delay >> 8);
    ++entry.ItemCount;
}

// Pointer values the registry reads back exactly: acceleration on at a table
// row, a number of wheel lines.
inline void SetReadablePointerValues(ProfileRecord& record, int32_t row, int32_t wheelLines) {
    record.AccelerationFlag = 1;
    record.Acceleration = row;
    record.ScrollWheelFlag = 0;
    record.ScrollWheelSpeed = wheelLines;
}

inline std::unique_ptr<SettingsBlock> ClearedBlock() {
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    return block;
}

// Every field of the profile file gets a value of its own (texts of printable
// characters, integers over the full range, entries of arbitrary bytes).
inline void FillWithVariedValues(ProfileRecord& record, unsigned seed) {
    memset(&record, 0, sizeof record);
    std::mt19937 random(seed);
    auto* bytes = reinterpret_cast<uint8_t*>(&record);
    for (const ProfileField& field : ProfileFieldsInWriteOrder()) {
        uint8_t* at = bytes + field.offset;
        switch (field.kind) {
        case FieldKind::Text: {
            size_t length = random() % (field.size - 1);
            for (size_t i = 0; i < length; ++i) at[i] = static_cast<uint8_t>('a' + random() % 26);
            at[length] = 0;
            break;
        }
        case FieldKind::Integer: {
            int32_t value = static_cast<int32_t>(random());
            memcpy(at, &value, sizeof value);
            break;
        }
        case FieldKind::Byte:
        case FieldKind::Entry:
            for (size_t i = 0; i < field.size; ++i) at[i] = static_cast<uint8_t>(random());
            break;
        }
    }
    // The byte fields share their keys with ColorOptions elements 1 and 2.
    record.ColorOptions1 = static_cast<uint8_t>(record.ColorOptions[1]);
    record.ColorOptions2 = static_cast<uint8_t>(record.ColorOptions[2]);
}

// Compares two records field by field; texts only up to their terminator.
inline std::string FirstDifference(const ProfileRecord& a, const ProfileRecord& b) {
    const auto* left = reinterpret_cast<const uint8_t*>(&a);
    const auto* right = reinterpret_cast<const uint8_t*>(&b);
    for (const ProfileField& field : ProfileFieldsInWriteOrder()) {
        bool same = field.kind == FieldKind::Text
                        ? strncmp(reinterpret_cast<const char*>(left + field.offset),
                                  reinterpret_cast<const char*>(right + field.offset), field.size) == 0
                        : memcmp(left + field.offset, right + field.offset, field.size) == 0;
        if (!same) return field.key;
    }
    return "";
}

// The seven fields the system's pointer settings feed, compared and printed as one.
struct PointerFields {
    int32_t DbleClickSpeed, Orientation, MouseSpeed, Acceleration, AccelerationFlag, ScrollWheelSpeed, ScrollWheelFlag;
    bool operator==(const PointerFields& other) const { return memcmp(this, &other, sizeof other) == 0; }
};

inline PointerFields PointerFieldsOf(const ProfileRecord& r) {
    return {r.DbleClickSpeed,   r.Orientation,      r.MouseSpeed,     r.Acceleration,
            r.AccelerationFlag, r.ScrollWheelSpeed, r.ScrollWheelFlag};
}

inline std::ostream& operator<<(std::ostream& out, const PointerFields& f) {
    return out << "double click " << f.DbleClickSpeed << ", swap " << f.Orientation << ", speed " << f.MouseSpeed
               << ", row " << f.Acceleration << " flag " << f.AccelerationFlag << ", wheel " << f.ScrollWheelSpeed
               << " flag " << f.ScrollWheelFlag;
}
