// The checks a restore makes on every part of a backup before it replaces
// anything: a slot profile file gets the checks of mousectl apply, the macro
// file and config.ini the checks of what the programs read from them.
#pragma once

#include "BackupText.h"

#include <string>
#include <vector>

namespace mousectl {

// One line per problem, naming the part; empty when every part is sound.
// Parts of files that did not exist need no check.
std::vector<std::string> CheckBackupParts(const std::vector<BackupPart>& parts);

}  // namespace mousectl
