// The named shared settings block and the settings mutex, as the agent owns
// them: created at start, read and written whole under the mutex, closed at
// shutdown in the order unmap, close mapping, close mutex.
#pragma once

#include "profile/SettingsBlock.h"

#include <windows.h>

class SharedSettingsBlock {
public:
    SharedSettingsBlock() = default;
    SharedSettingsBlock(const SharedSettingsBlock&) = delete;
    SharedSettingsBlock& operator=(const SharedSettingsBlock&) = delete;
    ~SharedSettingsBlock();

    enum class MutexResult { Created, AlreadyExists, Failed };
    // Creates the settings mutex (not owned).
    MutexResult CreateLock(const char* name);

    // Creates the page-file-backed mapping with a null DACL, so that a
    // program of another user or integrity level may open it, and maps it.
    bool CreateMapping(const char* name);
    bool HasView() const { return m_view != nullptr; }

    // Whole-block copies under the mutex. A wait that returns abandoned (the
    // other program died while holding the mutex) owns the mutex all the
    // same: the copy is made and the mutex released, so it never stays held.
    bool Read(SettingsBlock& block);
    bool Write(const SettingsBlock& block);

    void CloseMapping();
    void CloseMutex();

private:
    bool Lock();

    HANDLE m_mutex = nullptr;
    HANDLE m_mapping = nullptr;
    void* m_view = nullptr;
};
