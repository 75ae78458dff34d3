// How a fuzz target stops on a broken invariant: a message the run script
// greps for, then abort so libFuzzer keeps the input.
#pragma once
#include <cstdio>
#include <cstdlib>

namespace kestrel::fuzz {

[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void check(bool holds, const char* what) {
    if (!holds) fail(what);
}

}  // namespace kestrel::fuzz
