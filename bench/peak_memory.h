#pragma once
// The process's peak resident memory so far, which the benchmarks print
// after each step.

#include <sys/resource.h>

inline long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}
