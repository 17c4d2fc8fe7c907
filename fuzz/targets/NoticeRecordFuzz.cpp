// The WM_COPYDATA notice parser on any data of any size: only a 151-byte
// record is taken, its text is the bytes after byte 0 up to the first NUL
// and never longer than the record holds.
#include "FuzzCheck.h"

#include "monitor/agent/NoticeRecord.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly the given size, so that a read past it is caught.
    const std::vector<uint8_t> record(data, data + size);
    std::string text = "untouched";
    const bool parsed = ParseNoticeRecord(record.empty() ? nullptr : record.data(), size, text);
    FUZZ_CHECK(parsed == (size == kNoticeRecordSize));
    if (!parsed) {
        FUZZ_CHECK(text == "untouched");
        FUZZ_CHECK(!ParseNoticeRecord(nullptr, size, text));
        return 0;
    }
    FUZZ_CHECK(text.size() <= kNoticeTextCapacity);
    FUZZ_CHECK(text.find('\0') == std::string::npos);
    FUZZ_CHECK(memcmp(text.data(), record.data() + 1, text.size()) == 0);
    FUZZ_CHECK(text.size() == kNoticeTextCapacity || record[1 + text.size()] == 0);
    return 0;
}
