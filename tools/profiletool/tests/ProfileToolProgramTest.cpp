// ProfileTool.exe as a user runs it: default files written into a program
// folder, printed and checked.
#include "profile/ProfileFile.h"
#include "profile/SettingsBlock.h"
#include "profile/win32/PrivateProfileAccessor.h"
#include "profile/win32/tests/TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

namespace {

// TEST_DIST_DIR is a host path; Wine sees the host file system as drive Z:.
std::string DistPath(const char* name) {
    const char* dist = getenv("TEST_DIST_DIR");
    std::string path = dist ? dist : ".";
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path + "\\" + name;
}

struct RunResult {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;
};

RunResult RunTool(const std::string& arguments) {
    RunResult result;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + DistPath("ProfileTool.exe") + "\" " + arguments;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(0);
    BOOL started = CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                  &process);
    CloseHandle(writeEnd);
    if (started) {
        char chunk[4096];
        DWORD count = 0;
        while (ReadFile(readEnd, chunk, sizeof chunk, &count, nullptr) && count > 0) result.output.append(chunk, count);
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return result;
}

std::vector<std::string> KeysOfFile(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> keys;
    std::string line;
    while (std::getline(in, line)) {
        size_t equals = line.find('=');
        if (equals != std::string::npos) keys.push_back(line.substr(0, equals));
    }
    return keys;
}

TEST(ProfileTool_Defaults, WritesFiveFilesThatReadBackAsDefaults) {
    TempFolder folder;
    RunResult run = RunTool("defaults \"" + folder.Path() + "Mouse\"");
    ASSERT_EQ(run.exitCode, 0u) << run.output;

    auto defaults = std::make_unique<SettingsBlock>();
    ClearBlock(*defaults);
    ResetProfileSet(*defaults);
    PrivateProfileFiles files;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        std::string path = SlotProfilePath(folder.Path() + "Mouse\\", slot);
        ASSERT_TRUE(files.FileExists(path)) << path;
        auto read = std::make_unique<ProfileRecord>();
        memset(read.get(), 0, sizeof *read);
        ReadProfileFile(*read, files, path);
        ProfileRecord& expected = defaults->Profiles[slot];
        // The byte fields come back as the low bytes of ColorOptions[1] and [2].
        expected.ColorOptions1 = static_cast<uint8_t>(expected.ColorOptions[1]);
        expected.ColorOptions2 = static_cast<uint8_t>(expected.ColorOptions[2]);
        EXPECT_EQ(memcmp(read.get(), &expected, sizeof expected), 0) << "slot " << slot;

        // A new file lists the keys in the writer's order, each once.
        std::vector<std::string> expectedKeys;
        for (const ProfileField& field : ProfileFieldsInWriteOrder())
            if (std::find(expectedKeys.begin(), expectedKeys.end(), field.key) == expectedKeys.end())
                expectedKeys.push_back(field.key);
        EXPECT_EQ(KeysOfFile(path), expectedKeys) << "slot " << slot;
    }
}

TEST(ProfileTool_CheckAndPrint, ReportSoundAndDamagedFiles) {
    TempFolder folder;
    // No trailing backslash before the closing quote: it would escape it.
    ASSERT_EQ(RunTool("defaults \"" + folder.Path() + "Mouse\"").exitCode, 0u);
    std::string good = SlotProfilePath(folder.Path() + "Mouse\\", 1);
    std::string bad = SlotProfilePath(folder.Path() + "Mouse\\", 2);

    RunResult check = RunTool("check \"" + good + "\"");
    EXPECT_EQ(check.exitCode, 0u) << check.output;

    PrivateProfileAccessor(bad).PutString("Setting", "PollingRate", "9");
    check = RunTool("check \"" + good + "\" \"" + bad + "\"");
    EXPECT_EQ(check.exitCode, 1u);
    EXPECT_NE(check.output.find("PollingRate: 9 is outside 0..3"), std::string::npos) << check.output;

    RunResult print = RunTool("print \"" + good + "\"");
    EXPECT_EQ(print.exitCode, 0u);
    EXPECT_NE(print.output.find("ProFileName = \"Default2\""), std::string::npos) << print.output;
    EXPECT_NE(print.output.find("Button 15: code 10 (wheel down)"), std::string::npos) << print.output;

    EXPECT_NE(RunTool("print \"" + folder.Path() + "none.gmp\"").exitCode, 0u);
    EXPECT_EQ(RunTool("unknown x").exitCode, 2u);
}

}  // namespace
