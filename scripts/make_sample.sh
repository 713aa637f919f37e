#!/usr/bin/env bash
# Remakes the sample document examples/sample.ltb and its pictures in
# examples/img/ from the tables in examples/source/.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh >/dev/null
rm -rf examples/img
build/examples/make_sample examples/source examples
echo "wrote examples/sample.ltb and examples/img/"
