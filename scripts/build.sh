#!/usr/bin/env bash
# Configures (once) and builds into build/: the targets named (./run names
# the two programs), or everything. Says nothing when there is nothing to
# build, so a command run after it speaks first.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
# A dry run tells whether anything is out of date, without ninja's "no work
# to do" for the case where nothing is.
plan=$(ninja -C build -n "$@" 2>&1) || plan=
if grep -qxF 'ninja: no work to do.' <<<"$plan"; then
  exit 0
fi
cmake --build build ${1:+--target "$@"}
