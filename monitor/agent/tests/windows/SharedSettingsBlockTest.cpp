#include "ProgramFolder.h"

#include "monitor/agent/win32/SharedSettingsBlock.h"
#include "monitor/agent/win32/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

// Names of our own so that a running agent is never touched.
std::string UniqueName(const char* what) {
    return std::string("AgentTest_") + what + "_" + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(GetTickCount64());
}

TEST(SharedSettingsBlock_Create, SecondMutexOfTheSameNameIsRefused) {
    const std::string mutexName = UniqueName("Mutex");
    SharedSettingsBlock first;
    SharedSettingsBlock second;
    EXPECT_EQ(first.CreateLock(mutexName.c_str()), SharedSettingsBlock::MutexResult::Created);
    EXPECT_EQ(second.CreateLock(mutexName.c_str()), SharedSettingsBlock::MutexResult::AlreadyExists);
}

// Another program (here: a mapping opened by name, as Option opens it) sees
// exactly what the agent wrote, and the agent reads back what it wrote.
TEST(SharedSettingsBlock_Copies, AreWholeAndVisibleByName) {
    const std::string mutexName = UniqueName("Mutex");
    const std::string mappingName = UniqueName("Block");
    SharedSettingsBlock block;
    ASSERT_EQ(block.CreateLock(mutexName.c_str()), SharedSettingsBlock::MutexResult::Created);
    ASSERT_TRUE(block.CreateMapping(mappingName.c_str()));

    auto written = agenttest::DefaultProfileSet();
    written->CurrentSlot = 3;
    written->ConfigChanged[4] = 1;
    ASSERT_TRUE(block.Write(*written));

    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, mappingName.c_str());
    ASSERT_NE(mapping, nullptr);
    void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SettingsBlock));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(memcmp(view, written.get(), sizeof(SettingsBlock)), 0);
    static_cast<SettingsBlock*>(view)->Profiles[1].MouseSpeed = 19;

    auto read = std::make_unique<SettingsBlock>();
    ASSERT_TRUE(block.Read(*read));
    EXPECT_EQ(read->CurrentSlot, 3);
    EXPECT_EQ(read->ConfigChanged[4], 1);
    EXPECT_EQ(read->Profiles[1].MouseSpeed, 19);
    UnmapViewOfFile(view);
    CloseHandle(mapping);
}

TEST(SharedSettingsBlock_WithoutMapping, CopiesNothing) {
    SharedSettingsBlock block;
    ASSERT_EQ(block.CreateLock(UniqueName("Mutex").c_str()), SharedSettingsBlock::MutexResult::Created);
    auto copy = std::make_unique<SettingsBlock>();
    copy->CurrentSlot = 4;
    EXPECT_FALSE(block.Read(*copy));
    EXPECT_FALSE(block.Write(*copy));
    EXPECT_EQ(copy->CurrentSlot, 4);
}

// A program that dies holding the settings mutex leaves it abandoned: the
// next copy still succeeds and the mutex is free again afterwards.
TEST(SharedSettingsBlock_AbandonedMutex, CopyIsMadeAndTheMutexReleased) {
    const std::string mutexName = UniqueName("Mutex");
    SharedSettingsBlock block;
    ASSERT_EQ(block.CreateLock(mutexName.c_str()), SharedSettingsBlock::MutexResult::Created);
    ASSERT_TRUE(block.CreateMapping(UniqueName("Block").c_str()));

    std::thread holder([&] {
        HANDLE mutex = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, mutexName.c_str());
        WaitForSingleObject(mutex, INFINITE);
        CloseHandle(mutex);  // ends without ReleaseMutex
    });
    holder.join();

    auto copy = std::make_unique<SettingsBlock>();
    ClearBlock(*copy);
    copy->CurrentSlot = 2;
    EXPECT_TRUE(block.Write(*copy));
    copy->CurrentSlot = 0;
    EXPECT_TRUE(block.Read(*copy));
    EXPECT_EQ(copy->CurrentSlot, 2);

    DWORD otherWait = WAIT_FAILED;
    std::thread other([&] {
        HANDLE mutex = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, mutexName.c_str());
        otherWait = WaitForSingleObject(mutex, 10000);
        if (otherWait == WAIT_OBJECT_0) ReleaseMutex(mutex);
        CloseHandle(mutex);
    });
    other.join();
    EXPECT_EQ(otherWait, static_cast<DWORD>(WAIT_OBJECT_0)) << "the mutex stayed held";
}

// Messages posted right after Start reach the loop in order; Stop returns
// only after the loop has ended.
TEST(WorkerThread_Messages, ArriveInOrderAndStopWaits) {
    std::vector<WPARAM> received;
    std::atomic<DWORD> handlerThread{0};
    WorkerThread worker;
    ASSERT_TRUE(worker.Start(
        [&](UINT message, WPARAM wParam, LPARAM) {
            if (message != WM_APP) return;
            handlerThread = GetCurrentThreadId();
            Sleep(5);
            received.push_back(wParam);
        },
        4096));
    for (WPARAM i = 1; i <= 20; ++i) ASSERT_TRUE(worker.Post(WM_APP, i, 0));
    worker.Stop();
    ASSERT_EQ(received.size(), 20u);
    for (WPARAM i = 0; i < 20; ++i) EXPECT_EQ(received[i], i + 1);
    EXPECT_NE(handlerThread.load(), GetCurrentThreadId());
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_FALSE(worker.Post(WM_APP, 99, 0));
}

// A handler that throws does not end the thread.
TEST(WorkerThread_Exception, KeepsTheLoopRunning) {
    std::atomic<int> handled{0};
    WorkerThread worker;
    ASSERT_TRUE(worker.Start(
        [&](UINT message, WPARAM wParam, LPARAM) {
            if (message != WM_APP) return;
            if (wParam == 1) throw std::runtime_error("boom");
            ++handled;
        },
        4096));
    worker.Post(WM_APP, 1, 0);
    worker.Post(WM_APP, 2, 0);
    worker.Stop();
    EXPECT_EQ(handled.load(), 1);
}

}  // namespace
