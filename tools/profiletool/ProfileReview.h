// Reading a profile file for people: a decoded listing and a check of its
// checksums and of the value ranges the configuration pages allow.
#pragma once

#include "profile/IniAccessor.h"
#include "profile/ProfileRecord.h"

#include <string>
#include <vector>

// Every field as "key = value", then the 16 button entries by function code.
std::string DescribeProfile(const ProfileRecord& record);

// One line per problem found in the file; empty when the file is sound.
std::vector<std::string> CheckProfileFile(IniFileSystem& files, const std::string& path);
