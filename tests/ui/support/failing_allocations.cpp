#include "ui/support/failing_allocations.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace listora::test {
namespace {

std::atomic<std::size_t> failFrom{SIZE_MAX};

void* Allocate(std::size_t size) {
  if (size >= failFrom.load(std::memory_order_relaxed)) throw std::bad_alloc();
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void* AllocateOrNull(std::size_t size) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

LargeAllocationsFail::LargeAllocationsFail(std::size_t bytes) { failFrom = bytes; }
LargeAllocationsFail::~LargeAllocationsFail() { failFrom = SIZE_MAX; }

}  // namespace listora::test

// Every plain form is replaced, so that no memory of malloc() reaches a
// sanitizer's own operator delete.
void* operator new(std::size_t size) { return listora::test::Allocate(size); }
void* operator new[](std::size_t size) { return listora::test::Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return listora::test::AllocateOrNull(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return listora::test::AllocateOrNull(size);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
