// A stand-in portio.dll with three of the eleven entry points. It counts the
// calls it receives in a shared counter the test reads through an export.
#include <windows.h>

namespace {
int g_setVidPidCalls = 0;
int g_lastVendor = 0;
}  // namespace

extern "C" {
__declspec(dllexport) int Set_VIDPID(int vendorId, int) {
    ++g_setVidPidCalls;
    g_lastVendor = vendorId;
    return 1;
}
__declspec(dllexport) int Open_ReportDevice() { return 7; }
__declspec(dllexport) int SetFeature(unsigned char* buffer, int length) { return length == 8 ? buffer[7] : -1; }
__declspec(dllexport) int FixtureSetVidPidCalls() { return g_setVidPidCalls * 100000 + g_lastVendor; }
}
