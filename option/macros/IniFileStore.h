// INI files that can be saved safely: written to a temporary file beside the
// target and then moved over it in one step, so that a failure or a killed
// process leaves the previous file whole. Every save of the configuration
// program (macro file, slot files, exports, config.ini) goes through them.
#pragma once

#include <functional>
#include <string>

#include "profile/IniAccessor.h"

class IniFileStore : public IniFileSystem {
public:
    // True when the file is gone afterwards (also when it never existed).
    virtual bool RemoveFile(const std::string& path) = 0;
    // Moves source over target in one step; on failure target is unchanged.
    // The target keeps the attributes it had (a hidden file stays hidden).
    virtual bool MoveOver(const std::string& source, const std::string& target) = 0;
    // The file's bytes; empty for a missing file, which is no failure.
    virtual bool ReadWhole(const std::string& path, std::string& bytes) = 0;
    // Makes the file hold exactly these bytes, in one write; false unless
    // all of them reached the file.
    virtual bool WriteWhole(const std::string& path, const std::string& bytes) = 0;
};

// The temporary file a save of the target is written to first.
std::string TemporaryFileFor(const std::string& target);

// Writes a new file with `write` (into memory, then to the disk in one
// piece) and puts it in the target's place. When
// `write` or any step fails the target keeps its previous content, the
// temporary file is removed and the result is false.
bool SaveIniFile(IniFileStore& store, const std::string& target, const std::function<bool(IniAccessor&)>& write);

// The same, but the new file starts as a copy of the target: the keys that
// `write` leaves alone (those other programs wrote) stay as they were.
bool UpdateIniFile(IniFileStore& store, const std::string& target, const std::function<bool(IniAccessor&)>& write);
