// The text record other programs send the agent with WM_COPYDATA: exactly
// 151 bytes, byte 0 unused, bytes 1..150 a NUL-terminated text.
#pragma once

#include <cstddef>
#include <string>

constexpr size_t kNoticeRecordSize = 151;
constexpr size_t kNoticeTextCapacity = kNoticeRecordSize - 1;

// False for a record of any other size. The text ends at the first NUL or
// at the end of the record, whichever comes first: a sender that forgot the
// terminator never makes the agent read past the record.
bool ParseNoticeRecord(const void* data, size_t size, std::string& text);
