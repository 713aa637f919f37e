#!/usr/bin/env bash
# The floor check on small trees under this repository's floor order: it
# passes includes that point down or sideways within a floor and fails each
# kind of include that points elsewhere.
set -uo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A tree with the repository's CMakeLists files and the given files, each
# written as "path:included header"; a header in <...> is included so, one
# starting with "../" is found from the including file's folder.
tree() {
  rm -rf "$work/tree"
  mkdir -p "$work/tree/core" "$work/tree/ui"
  cp "$source_dir/CMakeLists.txt" "$work/tree/"
  cp "$source_dir/core/CMakeLists.txt" "$work/tree/core/"
  cp "$source_dir/ui/CMakeLists.txt" "$work/tree/ui/"
  mkdir -p "$work/tree/ltbtool" "$work/tree/bench" "$work/tree/fuzz" "$work/tree/tests"
  for entry in "$@"; do
    local file=${entry%%:*} header=${entry#*:} line
    mkdir -p "$work/tree/$(dirname "$file")"
    line="#include \"$header\""
    case $header in
      "<"*) header=${header#<} header=${header%>} line="#include <$header>" ;;
      ../*) header=$(dirname "$file")/$header ;;
    esac
    # A header beside the file when named without a folder.
    case $header in
      */*) mkdir -p "$work/tree/$(dirname "$header")" && touch "$work/tree/$header" ;;
      *) touch "$work/tree/$(dirname "$file")/$header" ;;
    esac
    echo "$line" >>"$work/tree/$file"
  done
}

expect() {
  local want=$1 what=$2
  shift 2
  tree "$@"
  if "$source_dir/scripts/check_floors.sh" "$work/tree" 2>/dev/null; then got=pass; else got=fail; fi
  if [ "$got" != "$want" ]; then
    echo "expected the check to $want: $what" >&2
    failures=$((failures + 1))
  fi
}

expect pass "downward and same-floor includes" \
  core/doc/a.cpp:core/base/b.h core/app/c.cpp:core/doc/d.h core/doc/e.cpp:core/doc/f.h \
  ui/frame/g.cpp:ui/panes/h.h ui/frame/i.cpp:core/app/j.h ltbtool/k.cpp:core/app/l.h \
  bench/m.cpp:ui/app/n.h bench/o.cpp:tests/ui/support/p.h ltbtool/q.cpp:r.h \
  ui/app/s.cpp:core/app/t.h core/app/u.cpp:"<core/doc/v.h>" core/app/w.cpp:"<vector>" \
  core/app/x.cpp:../print/y.h ui/doc/z.cpp:core/print/z.h
expect fail "a core floor including a higher one" core/base/a.cpp:core/doc/b.h
expect fail "a header on a lower floor including a higher one" core/doc/a.h:core/app/b.h
expect fail "a ui floor including a higher one" ui/panes/a.cpp:ui/frame/b.h
expect fail "the core including the desktop program" core/app/a.cpp:ui/base/b.h
expect fail "a folder that is no floor" core/misc/a.cpp:core/base/b.h
expect fail "ltbtool including the desktop program" ltbtool/a.cpp:ui/base/b.h
expect fail "the core including ltbtool" core/app/a.cpp:ltbtool/b.h
expect fail "a fuzz target including a benchmark" fuzz/a.cpp:bench/b.h
expect fail "a lower floor including a higher one in <...>" core/doc/a.cpp:"<core/app/x.h>"
expect fail "a lower floor climbing to a higher one through .." core/print/a.cpp:../app/x.h
expect fail "a desktop floor the core has too including the core's top" ui/base/a.cpp:core/app/b.h
exit $((failures > 0))
