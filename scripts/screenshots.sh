#!/usr/bin/env bash
# Retakes every screenshot in docs/ from the sample document, with the
# program running under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh >/dev/null
xvfb-run -a -s "-screen 0 1280x800x24" \
  build/docs/take_screenshot examples/sample.ltb docs/screenshot.png
echo "wrote docs/screenshot.png"
