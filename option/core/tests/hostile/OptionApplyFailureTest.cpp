// Apply while the config folder cannot take the files: read-only, full, or
// a slot file held open by another program. Option tells the user, stays
// open with the edits, leaves the old files whole, and saves the edits on
// the next Apply once the folder can be written again.
#include <gtest/gtest.h>

#include "HostileOptionSupport.h"
#include "testing/DamagedFiles.h"
#include "testing/Screenshot.h"
#include "testing/UnixShell.h"

#include <iostream>

namespace {

using optiontest::ApplyAndWaitForWholeFiles;
using optiontest::OptionFolder;
using optiontest::WaitFor;
using testsupport::RunUnixShell;
using testsupport::ShellQuoted;

constexpr char kSaveFailedSkin[] = "skin_save_failed_warn.ini";
constexpr int kLeftHandKey = 36;
// Small enough to fill at once, large enough for the old files.
constexpr char kFullDiskSize[] = "1m";
constexpr size_t kProbeSize = 64 * 1024;

// The files Apply writes into the config folder, byte for byte.
std::vector<std::string> ConfigFiles(const OptionFolder& folder) {
    std::vector<std::string> files;
    for (int slot = 0; slot < kSlotCount; ++slot) files.push_back(testsupport::ReadWholeFile(SlotFile(folder, slot)));
    files.push_back(testsupport::ReadWholeFile(folder.Path() + "config\\sequence.dat"));
    return files;
}

bool CanWriteProbe(const std::string& folder) {
    const std::string probe = folder + "probe.bin";
    const bool written = testsupport::WriteWholeFile(probe, std::string(kProbeSize, 'P')) &&
                         testsupport::ReadWholeFile(probe).size() == kProbeSize;
    DeleteFileA(probe.c_str());
    return written;
}

enum class Blocker { ReadOnlyFolder, FullDisk, LockedSlotFile };

// Makes the config folder refuse the save; undone when it ends. Ready()
// is false (with a reason) when this machine cannot make the condition.
class ConfigBlocker {
public:
    ConfigBlocker(const OptionFolder& folder, Blocker blocker)
        : m_config(folder.Path() + "config\\"), m_unix(testsupport::UnixPath(m_config)) {
        switch (blocker) {
        case Blocker::ReadOnlyFolder:
            Mount("mount --bind " + Quoted() + " " + Quoted() + " && mount -o remount,bind,ro " + Quoted());
            break;
        case Blocker::FullDisk:
            // The old files move onto a small file system that is then filled.
            Mount("mkdir -p " + Saved() + " && cp -a " + Quoted() + "/. " + Saved() + " && mount -t tmpfs -o size=" +
                  kFullDiskSize + " tmpfs " + Quoted() + " && cp -a " + Saved() + "/. " + Quoted() + "; rm -rf " +
                  Saved() + "; dd if=/dev/zero of=" + Quoted() + "/ballast bs=4k 2>/dev/null");
            break;
        case Blocker::LockedSlotFile:
            m_locked = CreateFileA((m_config + "Default0.gmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                   nullptr);
            if (m_locked == INVALID_HANDLE_VALUE) m_reason = "the slot file could not be opened";
            break;
        }
    }
    ~ConfigBlocker() { Undo(); }

    bool Ready() const { return m_reason.empty(); }
    const std::string& Reason() const { return m_reason; }

    void Undo() {
        if (m_mounted) RunUnixShell("umount " + Quoted());
        m_mounted = false;
        if (m_locked != INVALID_HANDLE_VALUE) CloseHandle(m_locked);
        m_locked = INVALID_HANDLE_VALUE;
    }

private:
    std::string Quoted() const { return ShellQuoted(m_unix.substr(0, m_unix.size() - 1)); }
    std::string Saved() const { return ShellQuoted(m_unix.substr(0, m_unix.size() - 1) + ".saved"); }

    void Mount(const std::string& command) {
        if (m_unix.empty()) {
            m_reason = "not under Wine: no host file system to mount";
            return;
        }
        RunUnixShell(command);
        m_mounted = !CanWriteProbe(m_config);
        if (!m_mounted) {
            RunUnixShell("umount " + Quoted() + " 2>/dev/null");
            m_reason = "mount is not permitted here (needs a root shell with mount rights)";
        }
    }

    std::string m_config;
    std::string m_unix;
    std::string m_reason;
    bool m_mounted = false;
    HANDLE m_locked = INVALID_HANDLE_VALUE;
};

TEST(OptionApplyFailure_ConfigFolderRefuses, EditsKeptOldFilesWholeSavedLater) {
    struct Row {
        const char* what;
        Blocker blocker;
    };
    const Row rows[] = {
        {"read-only config folder", Blocker::ReadOnlyFolder},
        {"full disk", Blocker::FullDisk},
        {"slot file held open without sharing", Blocker::LockedSlotFile},
    };
    int tried = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        OptionFolder folder;
        REQUIRE_READY(folder);
        HWND option = folder.StartOption();
        ASSERT_NE(option, nullptr);
        // The old files: what a first Apply saves.
        ASSERT_TRUE(ApplyAndWaitForWholeFiles(folder, option));
        const std::vector<std::string> oldFiles = ConfigFiles(folder);

        ConfigBlocker blocker(folder, row.blocker);
        if (!blocker.Ready()) {
            std::cout << "[  SKIPPED ROW ] " << row.what << ": " << blocker.Reason() << "\n";
            continue;
        }
        ++tried;
        ASSERT_TRUE(folder.Click(option, kMainSkin, kLeftHandKey));
        ASSERT_TRUE(folder.Click(option, kMainSkin, kOkKey));
        HWND warning = folder.WaitForDialog(option);
        ASSERT_NE(warning, nullptr);
        testsupport::SaveScreenshot("option-save-failed-warning");
        EXPECT_EQ(WaitForSingleObject(folder.OptionProcess(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
        // The file this test holds open is read once it is let go.
        const bool heldByTest = row.blocker == Blocker::LockedSlotFile;
        if (!heldByTest) {
            EXPECT_TRUE(oldFiles == ConfigFiles(folder));
        }
        for (int slot = 0; slot < kSlotCount; ++slot)
            EXPECT_EQ(GetFileAttributesA((SlotFile(folder, slot) + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
        ASSERT_TRUE(folder.Click(warning, kSaveFailedSkin, kWarningOkKey));
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(warning); }));

        blocker.Undo();
        if (heldByTest) {
            EXPECT_TRUE(oldFiles == ConfigFiles(folder));
        }
        ASSERT_TRUE(WaitFor([&] { return folder.ControlEnabled(option, kMainSkin, kApplyKey); }));
        ASSERT_TRUE(folder.Click(option, kMainSkin, kOkKey));
        EXPECT_TRUE(folder.WaitForOptionEnd());
        EXPECT_EQ(ProfileValue(SlotFile(folder, 0), "Orientation"), "1");
    }
    std::cout << tried << " of " << sizeof rows / sizeof rows[0] << " conditions made\n";
}

}  // namespace
