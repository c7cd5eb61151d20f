#pragma once
// What a fuzz target does when a property fails: say which, and abort so libFuzzer keeps the
// input that did it.

#include <cstdio>
#include <cstdlib>

namespace toroglav::fuzz {

inline void Require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n", property);
    std::abort();
}

}  // namespace toroglav::fuzz
