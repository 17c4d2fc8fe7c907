#include "FileReplacement.h"

namespace mousectl {

namespace {

std::string NewFile(const FileChange& change) { return change.path + kNewFileSuffix; }
std::string OldFile(const FileChange& change) { return change.path + kOldFileSuffix; }

}  // namespace

std::string ReplaceFiles(IniFileStore& store, const std::vector<FileChange>& changes) {
    std::vector<bool> existed;
    std::string failure;
    for (const FileChange& change : changes) {
        existed.push_back(store.FileExists(change.path));
        std::string old;
        if (existed.back() && !(store.ReadWhole(change.path, old) && store.WriteWhole(OldFile(change), old)))
            failure = "cannot keep a copy of " + change.path;
        else if (change.present && !store.WriteWhole(NewFile(change), change.bytes))
            failure = "cannot write " + NewFile(change);
        if (!failure.empty()) break;
    }
    size_t replaced = 0;
    while (failure.empty() && replaced < changes.size()) {
        const FileChange& change = changes[replaced];
        if (change.present ? store.MoveOver(NewFile(change), change.path)
                           : !existed[replaced] || store.RemoveFile(change.path))
            ++replaced;
        else
            failure = "cannot replace " + change.path;
    }

    std::vector<bool> keepOld(changes.size(), false);
    bool putBack = true;
    for (size_t index = replaced; !failure.empty() && index-- > 0;) {
        const FileChange& change = changes[index];
        if (existed[index] ? store.MoveOver(OldFile(change), change.path) : store.RemoveFile(change.path)) continue;
        putBack = false;
        keepOld[index] = existed[index];
        failure += "; " + change.path + " could not be put back" +
                   (existed[index] ? " (its old content is in " + OldFile(change) + ")" : "");
    }
    if (!failure.empty() && putBack) failure += "; every file is as it was";
    for (size_t index = 0; index < changes.size(); ++index) {
        store.RemoveFile(NewFile(changes[index]));
        if (!keepOld[index]) store.RemoveFile(OldFile(changes[index]));
    }
    return failure;
}

}  // namespace mousectl
