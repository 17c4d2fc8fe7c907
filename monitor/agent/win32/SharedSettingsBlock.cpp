#include "SharedSettingsBlock.h"

#include <cstring>

SharedSettingsBlock::~SharedSettingsBlock() {
    CloseMapping();
    CloseMutex();
}

SharedSettingsBlock::MutexResult SharedSettingsBlock::CreateLock(const char* name) {
    CloseMutex();
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name);
    if (!mutex) return MutexResult::Failed;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return MutexResult::AlreadyExists;
    }
    m_mutex = mutex;
    return MutexResult::Created;
}

bool SharedSettingsBlock::CreateMapping(const char* name) {
    CloseMapping();
    SECURITY_DESCRIPTOR descriptor;
    if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION)) return false;
    if (!SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE)) return false;
    SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = sizeof attributes;
    attributes.lpSecurityDescriptor = &descriptor;
    attributes.bInheritHandle = TRUE;

    m_mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, &attributes, PAGE_READWRITE, 0, sizeof(SettingsBlock), name);
    if (!m_mapping) return false;
    m_view = MapViewOfFile(m_mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SettingsBlock));
    if (!m_view) {
        CloseHandle(m_mapping);
        m_mapping = nullptr;
        return false;
    }
    return true;
}

bool SharedSettingsBlock::Lock() {
    if (!m_mutex || !m_view) return false;
    const DWORD result = WaitForSingleObject(m_mutex, INFINITE);
    if (result == WAIT_ABANDONED) OutputDebugStringA("SharedSettingsBlock: settings mutex was abandoned\n");
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

bool SharedSettingsBlock::Read(SettingsBlock& block) {
    if (!Lock()) return false;
    memcpy(&block, m_view, sizeof block);
    ReleaseMutex(m_mutex);
    return true;
}

bool SharedSettingsBlock::Write(const SettingsBlock& block) {
    if (!Lock()) return false;
    memcpy(m_view, &block, sizeof block);
    ReleaseMutex(m_mutex);
    return true;
}

void SharedSettingsBlock::CloseMapping() {
    if (m_view) {
        UnmapViewOfFile(m_view);
        m_view = nullptr;
    }
    if (m_mapping) {
        CloseHandle(m_mapping);
        m_mapping = nullptr;
    }
}

void SharedSettingsBlock::CloseMutex() {
    if (m_mutex) {
        CloseHandle(m_mutex);
        m_mutex = nullptr;
    }
}
