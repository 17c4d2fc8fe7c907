#include "option/macros/IniFileStore.h"

#include "profile/IniText.h"

namespace {

constexpr char kTemporarySuffix[] = ".tmp";

bool WriteAndReplace(IniFileStore& store, const std::string& temporary, const std::string& target, IniText& text,
                     const std::function<bool(IniAccessor&)>& write) {
    if (write(text) && store.WriteWhole(temporary, text.Bytes()) && store.MoveOver(temporary, target)) return true;
    store.RemoveFile(temporary);
    return false;
}

}  // namespace

std::string TemporaryFileFor(const std::string& target) { return target + kTemporarySuffix; }

bool SaveIniFile(IniFileStore& store, const std::string& target, const std::function<bool(IniAccessor&)>& write) {
    IniText text;
    return WriteAndReplace(store, TemporaryFileFor(target), target, text, write);
}

bool UpdateIniFile(IniFileStore& store, const std::string& target, const std::function<bool(IniAccessor&)>& write) {
    std::string bytes;
    if (!store.ReadWhole(target, bytes)) return false;
    IniText text(bytes);
    return WriteAndReplace(store, TemporaryFileFor(target), target, text, write);
}
