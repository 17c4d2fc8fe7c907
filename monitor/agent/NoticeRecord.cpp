#include "NoticeRecord.h"

#include <cstring>

bool ParseNoticeRecord(const void* data, size_t size, std::string& text) {
    if (!data || size != kNoticeRecordSize) return false;
    const char* characters = static_cast<const char*>(data) + 1;
    const void* end = memchr(characters, '\0', kNoticeTextCapacity);
    const size_t length = end ? static_cast<size_t>(static_cast<const char*>(end) - characters) : kNoticeTextCapacity;
    text.assign(characters, length);
    return true;
}
