// The objects behind window handles, for window procedures to find theirs.
// Looked up for every message, so it stays inside the process: a window
// property would cost a round trip to the window server under Wine each time.
#pragma once

#include <windows.h>

#include <unordered_map>

template <typename Object>
class HandleMap {
public:
    // One map for each kind of object, alive until the process ends: windows
    // may still get messages while static objects are destroyed.
    static HandleMap& Instance() {
        static HandleMap* map = new HandleMap;
        return *map;
    }

    void Set(HWND handle, Object* object) {
        AcquireSRWLockExclusive(&m_lock);
        m_objects[handle] = object;
        ReleaseSRWLockExclusive(&m_lock);
    }

    void Remove(HWND handle) {
        AcquireSRWLockExclusive(&m_lock);
        m_objects.erase(handle);
        ReleaseSRWLockExclusive(&m_lock);
    }

    Object* Find(HWND handle) {
        AcquireSRWLockShared(&m_lock);
        const auto found = m_objects.find(handle);
        Object* object = found == m_objects.end() ? nullptr : found->second;
        ReleaseSRWLockShared(&m_lock);
        return object;
    }

private:
    SRWLOCK m_lock = SRWLOCK_INIT;
    std::unordered_map<HWND, Object*> m_objects;
};
