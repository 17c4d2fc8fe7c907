#include "option/macros/IniFileStore.h"

namespace {
constexpr char kTemporarySuffix[] = ".tmp";
}

std::string TemporaryFileFor(const std::string& target) { return target + kTemporarySuffix; }

bool SaveIniFile(IniFileStore& store, const std::string& target, const std::function<bool(IniAccessor&)>& write) {
    const std::string temporary = TemporaryFileFor(target);
    // A leftover of an interrupted save must not lend its keys to this one.
    if (!store.RemoveFile(temporary)) return false;
    bool written = false;
    {
        std::unique_ptr<IniAccessor> file = store.Open(temporary);
        written = file && write(*file);
    }
    if (written && store.FlushFile(temporary) && store.MoveOver(temporary, target)) return true;
    store.RemoveFile(temporary);
    return false;
}
