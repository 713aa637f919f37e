#!/usr/bin/env bash
# Configures (once) and builds into build/: the targets named (./run names
# the two programs), or everything. Says nothing when there is nothing to
# build, so a command run after it speaks first.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
# ninja's own lines when there is nothing to build (the check of the source
# lists it always runs, and "no work to do") are no news to whoever waits.
cmake --build build ${1:+--target "$@"} |
  { grep -vE '^(\[[0-9]+/[0-9]+\] Re-checking globbed directories\.\.\.|ninja: no work to do\.)$' || true; }
