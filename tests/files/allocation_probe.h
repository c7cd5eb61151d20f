#pragma once
// Watches every operator new of the test program: the largest request since the last reset,
// and an optional limit above which requests throw std::bad_alloc as a full memory would.

#include <cstddef>

namespace toroglav::test::allocation_probe {

void Reset();
std::size_t Largest();

// Requests above `limit` bytes fail until the guard ends.
class LimitGuard {
public:
    explicit LimitGuard(std::size_t limit);
    ~LimitGuard();
    LimitGuard(const LimitGuard&) = delete;
    LimitGuard& operator=(const LimitGuard&) = delete;
};

}  // namespace toroglav::test::allocation_probe
