#include "IniAccessor.h"

#include <cstdio>

bool IniAccessor::PutInt(const char* section, const char* key, int32_t value) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    return PutString(section, key, text);
}
