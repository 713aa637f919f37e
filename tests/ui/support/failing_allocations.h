#pragma once
// Memory that runs out on demand: while an object of this class lives,
// every allocation through operator new of at least `bytes` bytes throws
// std::bad_alloc. failing_allocations.cpp replaces the global operator new
// and delete of the test program.

#include <cstddef>

namespace listora::test {

class LargeAllocationsFail {
 public:
  explicit LargeAllocationsFail(std::size_t bytes);
  ~LargeAllocationsFail();
  LargeAllocationsFail(const LargeAllocationsFail&) = delete;
  LargeAllocationsFail& operator=(const LargeAllocationsFail&) = delete;
};

}  // namespace listora::test
