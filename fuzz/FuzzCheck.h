// What every fuzz target uses: a check that stops the run with the failed
// condition (libFuzzer then saves the input as a crash), and the input reader.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

inline void CheckHolds(bool holds, const char* condition, const char* file, int line) {
    if (holds) return;
    fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    abort();
}

#define FUZZ_CHECK(condition) CheckHolds((condition), #condition, __FILE__, __LINE__)
