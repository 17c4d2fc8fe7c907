// A portio.dll for the agent's tests that records every call, with the
// calling thread, to "portio-calls.log" beside itself: "<entry point>
// <thread id>" per line. It reports the mouse present.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

CRITICAL_SECTION g_lock;
std::string g_logPath;

void Record(const char* entryPoint) {
    EnterCriticalSection(&g_lock);
    if (FILE* file = fopen(g_logPath.c_str(), "a")) {
        fprintf(file, "%s %lu\n", entryPoint, GetCurrentThreadId());
        fclose(file);
    }
    LeaveCriticalSection(&g_lock);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        InitializeCriticalSection(&g_lock);
        char path[MAX_PATH] = {};
        GetModuleFileNameA(module, path, MAX_PATH);
        g_logPath = path;
        g_logPath = g_logPath.substr(0, g_logPath.find_last_of("\\/") + 1) + "portio-calls.log";
    } else if (reason == DLL_PROCESS_DETACH) {
        DeleteCriticalSection(&g_lock);
    }
    return TRUE;
}

extern "C" {
__declspec(dllexport) int Set_VIDPID(int, int) { Record("Set_VIDPID"); return 1; }
__declspec(dllexport) int Open_DevMonitor(HWND, UINT, UINT) { Record("Open_DevMonitor"); return 1; }
__declspec(dllexport) int Close_DevMonitor() { Record("Close_DevMonitor"); return 1; }
__declspec(dllexport) int Open_FeatureDevice() { Record("Open_FeatureDevice"); return 1; }
__declspec(dllexport) int Close_FeatureDevice() { Record("Close_FeatureDevice"); return 1; }
__declspec(dllexport) int Open_ReportDevice() { Record("Open_ReportDevice"); return 1; }
__declspec(dllexport) int Close_ReportDevice() { Record("Close_ReportDevice"); return 1; }
__declspec(dllexport) int SetFeature(unsigned char*, int length) { Record("SetFeature"); return length; }
__declspec(dllexport) int WriteUSB(unsigned char*, int length) { Record("WriteUSB"); return length; }
__declspec(dllexport) int GetFeature(unsigned char*, int) { Record("GetFeature"); return 0; }
__declspec(dllexport) int ReadUSB(unsigned char*, int) { Record("ReadUSB"); return 0; }
}
