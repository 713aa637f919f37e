#!/usr/bin/env bash
# Configures (once) and builds build-fuzz/: clang, AddressSanitizer, UBSan and
# libFuzzer coverage for everything but the desktop program. Extra arguments
# go to the build (e.g. --target NAME).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh fuzz
if [ ! -f build-fuzz/build.ninja ]; then
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLISTORA_BUILD_UI=OFF -DLISTORA_FUZZ=ON
fi
cmake --build build-fuzz -j2 "$@"
