// Replaces a set of files all or nothing, with the store's one-step
// replacement, so that neither a failure nor a killed process leaves a file
// cut or mixed.
#pragma once

#include "option/macros/IniFileStore.h"

#include <string>
#include <vector>

namespace mousectl {

struct FileChange {
    std::string path;
    bool present = true;  // false: the file is removed
    std::string bytes;
};

// Files written beside each target: its new content, and a copy of its old
// content kept until every target is done.
constexpr char kNewFileSuffix[] = ".restore";
constexpr char kOldFileSuffix[] = ".previous";

// Writes every new file and a copy of every old one beside its target, then
// moves the new files over their targets (or removes a target that is to go)
// one after the other. Each of those steps changes one target whole, so a
// killed process leaves every file either as it was or as it should be. When
// a step fails, the targets done so far get their old content back. Empty
// when every file was replaced; otherwise one line for the user.
std::string ReplaceFiles(IniFileStore& store, const std::vector<FileChange>& changes);

}  // namespace mousectl
