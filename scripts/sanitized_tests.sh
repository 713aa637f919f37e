#!/usr/bin/env bash
# Builds the core and ltbtool suites under AddressSanitizer and UBSan and runs
# them once; any sanitizer report fails the test that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/sanitized_build.sh
cd build-fuzz
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j2 -L 'core|tool'
