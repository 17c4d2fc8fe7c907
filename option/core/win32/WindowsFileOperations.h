// Byte copies and attributes of files on the Windows file system.
#pragma once

#include "option/core/OptionPorts.h"

class WindowsFileOperations : public FileOperations {
public:
    bool Copy(const std::string& from, const std::string& to) override;
    void SetAttributes(const std::string& path, unsigned attributes) override;
};
