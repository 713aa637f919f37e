#!/usr/bin/env bash
# Fails on an include that goes against the floor order, folder by folder.
# core/CMakeLists.txt and ui/CMakeLists.txt each name their floors, lowest
# first, on a line "# Floors: a < b < c": a file may include its own floor
# and those below it. The root CMakeLists.txt names, on lines
# "# Includes: X -> A B", the top folders each top folder may include
# besides itself. Prints every offending include. Takes the source root
# (default: this repository).
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

floors=""
for side in core ui; do
  order=$(sed -n 's/^# Floors: //p' "$side/CMakeLists.txt")
  [ -n "$order" ] || { echo "$side/CMakeLists.txt names no floors" >&2; exit 1; }
  floors+="$side:${order//</ };"
done
allowed=$(sed -n 's/^# Includes: \([a-z]*\) -> \(.*\)$/\1:\2;/p' CMakeLists.txt | tr -d '\n')

known=$(mktemp)
trap 'rm -f "$known"' EXIT
find core ui ltbtool bench fuzz tests -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.h.in' \) |
  sort >"$known"
mapfile -t checked < <(grep -E '^(core|ui|ltbtool|bench|fuzz)/' "$known")

awk -v floors="$floors" -v allowed="$allowed" '
  function dir(path) { sub(/\/[^\/]*$/, "", path); return path }
  function top(path) { sub(/\/.*/, "", path); return path }
  function floor(path) { sub(/^[^\/]*\//, "", path); sub(/\/.*/, "", path); return path }
  # The file an included path names: one of the root folders, else one of
  # the include paths under tests/, else beside the including file.
  function resolve(file, path) {
    if (path in exists) return path
    if (("tests/" path) in exists) return "tests/" path
    return dir(file) "/" path
  }
  function complain(why) {
    printf "%s: includes \"%s\" (%s)\n", FILENAME, path, why > "/dev/stderr"
    bad = 1
  }
  BEGIN {
    n = split(floors, sides, ";")
    for (i = 1; i <= n; ++i) {
      if (sides[i] == "") continue
      split(sides[i], parts, ":")
      m = split(parts[2], names, " ")
      for (j = 1; j <= m; ++j) rank[parts[1] "/" names[j]] = j
    }
    n = split(allowed, rules, ";")
    for (i = 1; i <= n; ++i) {
      if (rules[i] == "") continue
      split(rules[i], parts, ":")
      m = split(parts[2], names, " ")
      for (j = 1; j <= m; ++j) may[parts[1] "/" names[j]] = 1
    }
  }
  FNR == NR {
    exists[$0] = 1
    if ($0 ~ /\.in$/) exists[substr($0, 1, length($0) - 3)] = 1
    next
  }
  /^[ \t]*#[ \t]*include[ \t]*"/ {
    path = $0
    sub(/^[^"]*"/, "", path)
    sub(/".*/, "", path)
    target = resolve(FILENAME, path)
    from = top(FILENAME)
    to = top(target)
    if (from != to) {
      if (!((from "/" to) in may)) complain(from " does not stand on " to)
    } else if (from == "core" || from == "ui") {
      own = from "/" floor(FILENAME)
      theirs = to "/" floor(target)
      if (!(own in rank)) complain(own " is no floor")
      else if (!(theirs in rank)) complain(theirs " is no floor")
      else if (rank[theirs] > rank[own]) complain("a higher floor")
    }
  }
  END { exit bad }
' "$known" "${checked[@]}"
