// Damaged copies of a good file, as a user's disk, an interrupted copy or a
// wrong file chosen by hand leaves them: the rows of the tests that feed the
// programs damaged settings, profile, macro and skin files.
#pragma once

#include <string>

namespace testsupport {

enum class Damage {
    Missing,          // no file at all
    Empty,            // zero bytes
    Truncated,        // the first half of the good file
    RandomBytes,      // 4096 random bytes, the same on every run
    Zeros,            // 10 MB of zero bytes
    Binary,           // the good file with every seventh byte 0x00 or 0xFF
    OneDigitChanged,  // one hexadecimal digit of the first long hex value changed
    LongLine,         // one line of 1 MB without a line end
    WideText,         // the good text as UTF-16 with a byte order mark
    Directory,        // a folder of that name
};

const char* DamageName(Damage damage);

// Replaces whatever is at `path` with the damaged form of `good`; false
// when the file system refused.
bool WriteDamagedFile(const std::string& path, const std::string& good, Damage damage);

// The whole file, or empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// A value of an INI file as the system reads it; `missing` when it is not there.
std::string IniValue(const std::string& path, const char* section, const char* key, const char* missing = "");

}  // namespace testsupport
