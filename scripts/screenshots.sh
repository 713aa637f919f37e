#!/usr/bin/env bash
# Retakes every screenshot in docs/ from the sample document, with the
# program running under Xvfb; then the item tools' dialogs, each opened from
# its command by the GUI tests, one test process per picture.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh >/dev/null
xvfb-run -a -s "-screen 0 1280x800x24" \
  build/docs/take_screenshot examples/sample.ltb docs/screenshot.png
echo "wrote docs/screenshot.png"
tests=build/tests/ui/ui_tests
for name in $("$tests" --gtest_list_tests --gtest_filter='Screenshots.*' | sed -n 's/^  //p'); do
  LISTORA_SCREENSHOTS="$PWD/docs" xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$tests" --gtest_filter="Screenshots.$name" >/dev/null
  echo "wrote docs/ for $name"
done
