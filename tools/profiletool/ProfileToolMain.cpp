// ProfileTool: writes, prints and checks profile files from the command line.
//   ProfileTool defaults <program folder>   write config\Default0..4.gmp
//   ProfileTool print <file.gmp>            list the profile decoded
//   ProfileTool check <file.gmp>...         report problems; exit code 1 if any
#include "ProfileReview.h"

#include "profile/ProfileFile.h"
#include "profile/SettingsBlock.h"
#include "profile/win32/PrivateProfileAccessor.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

// The private-profile functions look for a bare file name in the Windows
// folder, so every path is made absolute first.
std::string AbsolutePath(const char* path) {
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full) : std::string(path);
}

int Usage() {
    fprintf(stderr,
            "usage: ProfileTool defaults <program folder>\n"
            "       ProfileTool print <file.gmp>\n"
            "       ProfileTool check <file.gmp>...\n");
    return 2;
}

int WriteDefaults(const char* folderArgument) {
    std::string folder = AbsolutePath(folderArgument);
    if (folder.back() != '\\') folder += '\\';
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "config").c_str(), nullptr);
    auto block = std::make_unique<SettingsBlock>();
    ClearBlock(*block);
    ResetProfileSet(*block);
    PrivateProfileFiles files;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        std::string path = SlotProfilePath(folder, slot);
        DeleteFileA(path.c_str());  // a new file has the writer's key order
        WriteProfileFile(block->Profiles[slot], files, path);
        if (!files.FileExists(path)) {
            fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        printf("%s\n", path.c_str());
    }
    return 0;
}

int Print(const char* fileArgument) {
    std::string path = AbsolutePath(fileArgument);
    PrivateProfileFiles files;
    if (!files.FileExists(path)) {
        fprintf(stderr, "cannot open %s\n", path.c_str());
        return 1;
    }
    auto record = std::make_unique<ProfileRecord>();
    memset(record.get(), 0, sizeof *record);
    ReadProfileFile(*record, files, path);
    fputs(DescribeProfile(*record).c_str(), stdout);
    return 0;
}

int Check(int count, char** arguments) {
    PrivateProfileFiles files;
    int result = 0;
    for (int i = 0; i < count; ++i) {
        std::string path = AbsolutePath(arguments[i]);
        auto problems = CheckProfileFile(files, path);
        for (const std::string& problem : problems) printf("%s: %s\n", path.c_str(), problem.c_str());
        if (problems.empty()) printf("%s: ok\n", path.c_str());
        else result = 1;
    }
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    if (strcmp(argv[1], "defaults") == 0 && argc == 3) return WriteDefaults(argv[2]);
    if (strcmp(argv[1], "print") == 0 && argc == 3) return Print(argv[2]);
    if (strcmp(argv[1], "check") == 0) return Check(argc - 2, argv + 2);
    return Usage();
}
