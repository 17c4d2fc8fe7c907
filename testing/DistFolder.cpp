#include "testing/DistFolder.h"

#include <windows.h>

#include <cstdlib>

namespace testsupport {

std::string DistFolder() {
    const char* dist = std::getenv("TEST_DIST_DIR");
    std::string folder = dist && *dist ? dist : TestFolder() + "..\\dist";
    // ctest passes a host path; Wine shows the host's root as drive Z:.
    if (folder[0] == '/') folder = "Z:" + folder;
    for (char& c : folder)
        if (c == '/') c = '\\';
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

std::string TestFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file = path;
    return file.substr(0, file.find_last_of("\\/") + 1);
}

}  // namespace testsupport
