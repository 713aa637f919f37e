#!/usr/bin/env bash
# Retakes every screenshot in docs/ from the sample document, with the
# program running under Xvfb; then the item tools' dialogs, each opened from
# its command by the GUI tests, one test process per picture. Japanese
# pictures go to docs/, English ones (LANG=en_US.UTF-8) to docs/en/, the
# main window's as docs/screenshot-en.png.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh >/dev/null
japanese=(env LANGUAGE= LC_ALL=C.UTF-8)
english=(env LANGUAGE= LC_ALL= LC_MESSAGES= LANG=en_US.UTF-8)
"${japanese[@]}" xvfb-run -a -s "-screen 0 1280x800x24" \
  build/docs/take_screenshot examples/sample.ltb docs/screenshot.png
echo "wrote docs/screenshot.png"
"${english[@]}" xvfb-run -a -s "-screen 0 1280x800x24" \
  build/docs/take_screenshot examples/sample.ltb docs/screenshot-en.png
echo "wrote docs/screenshot-en.png"
mkdir -p docs/en
tests=build/tests/ui/ui_tests
for name in $("$tests" --gtest_list_tests --gtest_filter='Screenshots.*' | sed -n 's/^  //p'); do
  "${japanese[@]}" LISTORA_SCREENSHOTS="$PWD/docs" xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$tests" --gtest_filter="Screenshots.$name" >/dev/null
  "${english[@]}" LISTORA_SCREENSHOTS="$PWD/docs/en" xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$tests" --gtest_filter="Screenshots.$name" >/dev/null
  echo "wrote docs/ and docs/en/ for $name"
done
