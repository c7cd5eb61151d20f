#include "allocation_probe.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace toroglav::test::allocation_probe {

namespace {
std::atomic<std::size_t> largest{0};
std::atomic<std::size_t> limit{std::numeric_limits<std::size_t>::max()};
}  // namespace

void Reset() {
    largest = 0;
}
std::size_t Largest() {
    return largest;
}

LimitGuard::LimitGuard(std::size_t bytes) {
    limit = bytes;
}
LimitGuard::~LimitGuard() {
    limit = std::numeric_limits<std::size_t>::max();
}

}  // namespace toroglav::test::allocation_probe

namespace probe = toroglav::test::allocation_probe;

void* operator new(std::size_t size) {
    if (size > probe::limit) throw std::bad_alloc();
    std::size_t seen = probe::largest;
    while (size > seen && !probe::largest.compare_exchange_weak(seen, size)) {
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
    return ::operator new(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
