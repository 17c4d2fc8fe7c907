#include "option/macros/IniFileStore.h"

namespace {

constexpr char kTemporarySuffix[] = ".tmp";

bool WriteAndReplace(IniFileStore& store, const std::string& temporary, const std::string& target,
                     const std::function<bool(IniAccessor&)>& write) {
    bool written = false;
    {
        std::unique_ptr<IniAccessor> file = store.Open(temporary);
        written = file && write(*file);
    }
    if (written && store.FlushFile(temporary) && store.MoveOver(temporary, target)) return true;
    store.RemoveFile(temporary);
    return false;
}

}  // namespace

std::string TemporaryFileFor(const std::string& target) { return target + kTemporarySuffix; }

bool SaveIniFile(IniFileStore& store, const std::string& target, const std::function<bool(IniAccessor&)>& write) {
    const std::string temporary = TemporaryFileFor(target);
    // A leftover of an interrupted save must not lend its keys to this one.
    if (!store.RemoveFile(temporary)) return false;
    return WriteAndReplace(store, temporary, target, write);
}

bool UpdateIniFile(IniFileStore& store, const std::string& target, const std::function<bool(IniAccessor&)>& write) {
    const std::string temporary = TemporaryFileFor(target);
    if (!store.RemoveFile(temporary)) return false;
    if (!store.CopyWhole(target, temporary)) {
        store.RemoveFile(temporary);
        return false;
    }
    return WriteAndReplace(store, temporary, target, write);
}
