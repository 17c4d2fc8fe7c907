// The on-screen display settings: a 348-byte structure that belongs to the
// on-screen display program. This system keeps it, resets it and passes it
// on as a whole; only the fields Monitor acts on have a meaning here.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct OsdSettings {
    int32_t NoticeSwitchA;          // left to the display program
    int32_t NoticeSwitchB;          // left to the display program
    int32_t ProfileNotice;          // 1 = profile notices on
    int32_t MacroNotice;            // 1 = Monitor writes the MacroOSD keys on a macro button
    int32_t MoreNoticeSwitches[4];  // left to the display program
    int32_t MessageHighValue;       // high 16 bits of lParam of the display message
    int32_t MessageLowValue;        // low 16 bits of that lParam
    char FirstText[100];
    int32_t FirstValue;
    char SecondText[100];
    char ThirdText[100];
    int32_t SecondValue;
};

#pragma pack(pop)

static_assert(sizeof(OsdSettings) == 348, "on-screen display settings are 348 bytes");
static_assert(offsetof(OsdSettings, ProfileNotice) == 8);
static_assert(offsetof(OsdSettings, MacroNotice) == 12);
static_assert(offsetof(OsdSettings, MoreNoticeSwitches) == 16);
static_assert(offsetof(OsdSettings, MessageHighValue) == 32);
static_assert(offsetof(OsdSettings, MessageLowValue) == 36);
static_assert(offsetof(OsdSettings, FirstText) == 40);
static_assert(offsetof(OsdSettings, FirstValue) == 140);
static_assert(offsetof(OsdSettings, SecondText) == 144);
static_assert(offsetof(OsdSettings, ThirdText) == 244);
static_assert(offsetof(OsdSettings, SecondValue) == 344);

constexpr int32_t kDefaultOsdFirstValue = 110;
constexpr int32_t kDefaultOsdSecondValue = 5;

// Zero switches, empty texts, 110 and 5 in the two values.
void DefaultOsdSettings(OsdSettings& settings);
