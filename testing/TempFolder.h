// A folder of its own under the temporary path for one test, removed with
// everything in it when the owner ends.
#pragma once

#include <string>

namespace testsupport {

class TempFolder {
public:
    // The prefix names the folder so that a leftover one shows its origin.
    explicit TempFolder(const std::string& prefix = "test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With a trailing backslash.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// Deletes a folder (given with a trailing backslash) and all below it.
void RemoveTree(const std::string& folder);

}  // namespace testsupport
