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
    // Writes out whatever the INI functions still hold for the file.
    virtual bool FlushFile(const std::string& path) = 0;
    // Moves source over target in one step; on failure target is unchanged.
    // The target keeps the attributes it had (a hidden file stays hidden).
    virtual bool MoveOver(const std::string& source, const std::string& target) = 0;
    // Copies the source's bytes over the target. A missing source is no
    // failure: the target is then missing too.
    virtual bool CopyWhole(const std::string& source, const std::string& target) = 0;
};

// The temporary file a save of the target is written to first.
std::string TemporaryFileFor(const std::string& target);

// Writes a new file with `write` and puts it in the target's place. When
// `write` or any step fails the target keeps its previous content, the
// temporary file is removed and the result is false.
bool SaveIniFile(IniFileStore& store, const std::string& target, const std::function<bool(IniAccessor&)>& write);

// The same, but the new file starts as a copy of the target: the keys that
// `write` leaves alone (those other programs wrote) stay as they were.
bool UpdateIniFile(IniFileStore& store, const std::string& target, const std::function<bool(IniAccessor&)>& write);
