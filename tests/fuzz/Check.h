#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise of the game found while fuzzing: libFuzzer takes the abort for a finding
// and keeps the input that led to it.
[[noreturn]] inline void FuzzFailure(const char* what) {
    std::fprintf(stderr, "\n*** fuzzing found a fault: %s\n", what);
    std::abort();
}

inline void Require(bool condition, const char* what) {
    if (!condition) {
        FuzzFailure(what);
    }
}
