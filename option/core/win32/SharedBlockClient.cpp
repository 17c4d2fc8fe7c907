#include "option/core/win32/SharedBlockClient.h"

#include <cstring>

#include "option/core/OptionConstants.h"

bool SharedBlockClient::Attach() {
    if (m_view) return true;
    m_mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, option::kSharedBlockName);
    if (!m_mapping) return false;
    m_view = MapViewOfFile(m_mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SettingsBlock));
    if (!m_view) {
        MessageBoxA(nullptr, option::kMapViewFailedText, option::kMainWindowTitle, MB_OK);
        CloseHandle(m_mapping);
        m_mapping = nullptr;
        return false;
    }
    return true;
}

void SharedBlockClient::Detach() {
    if (m_view) UnmapViewOfFile(m_view);
    m_view = nullptr;
    if (m_mapping) CloseHandle(m_mapping);
    m_mapping = nullptr;
}

template <class Copy>
bool SharedBlockClient::UnderMutex(Copy copy) {
    if (!m_view) return false;
    HANDLE mutex = OpenMutexA(option::kMutexAllAccess, FALSE, option::kSettingsMutexName);
    if (!mutex) return false;
    const DWORD waited = WaitForSingleObject(mutex, INFINITE);
    // Abandoned by a crashed agent: owned all the same, and released below.
    const bool owned = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    if (owned) {
        copy();
        ReleaseMutex(mutex);
    }
    CloseHandle(mutex);
    return owned;
}

bool SharedBlockClient::Read(SettingsBlock& block) {
    return UnderMutex([&] { memcpy(&block, m_view, sizeof block); });
}

bool SharedBlockClient::Write(const SettingsBlock& block) {
    return UnderMutex([&] { memcpy(m_view, &block, sizeof block); });
}
