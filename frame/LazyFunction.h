// A function of a system library looked up at its first use. The library is
// loaded then and stays loaded, so a program that needs it only now and then
// (a file dialog, the shell, the OLE picture decoder) does not wait for it at
// its start. Null when the library or the function is missing.
#pragma once

#include <windows.h>

template <typename Function>
Function LazyFunction(const char* library, const char* name) {
    HMODULE module = LoadLibraryA(library);
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
