#!/usr/bin/env bash
# Builds the desktop program's tests under AddressSanitizer and UBSan into
# build-asan/ (g++, configured once) and runs the GUI suite once under Xvfb.
# Any sanitizer report fails the test that caused it; of the leaks, only those
# made inside the toolkit's libraries are suppressed (lsan_gui.supp).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
if [ ! -f build-asan/build.ninja ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLISTORA_SANITIZE=ON
fi

# The libraries below the toolkit are built without frame pointers, so the
# stacks of their allocations are only whole, and matched by the suppressions,
# with the slow unwinder.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan_gui.supp:print_suppressions=0
# The build lists the tests by running the test program, which is sanitized
# too.
cmake --build build-asan -j2 --target ui_tests
cd build-asan
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j2 -L gui "$@"
fi
exec ctest --output-on-failure -j2 -L gui "$@"
