#!/usr/bin/env bash
# Fails on an include that goes against the floor order, folder by folder.
# core/CMakeLists.txt and ui/CMakeLists.txt each name their floors, lowest
# first, on a line "# Floors: a < b < c": a file may include its own floor
# and those below it. The root CMakeLists.txt names, on lines
# "# Includes: X -> A B", the top folders each top folder may include
# besides itself. The core's top floor is the program as a whole: of the
# desktop's floors, only those the core lacks and the desktop's own top
# include it, the others stand on the core below it. Both "..." and <...>
# includes of the project's headers are checked, with "." and ".." taken
# out of the path. Prints every offending include. Takes the source root
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
  # `path` without "." and empty parts, each ".." taking away the part
  # before it.
  function normal(path,    parts, n, i, kept, m, out) {
    n = split(path, parts, "/")
    m = 0
    for (i = 1; i <= n; ++i) {
      if (parts[i] == "" || parts[i] == ".") continue
      if (parts[i] == ".." && m > 0 && kept[m] != "..") --m
      else kept[++m] = parts[i]
    }
    out = ""
    for (i = 1; i <= m; ++i) out = out (i > 1 ? "/" : "") kept[i]
    return out
  }
  # The file an included path names: one of the root folders, else one of
  # the include paths under tests/, else (for "..." only) beside the
  # including file. Empty for a <...> header from outside the project.
  function resolve(file, path, quoted) {
    if (normal(path) in exists) return normal(path)
    if (normal("tests/" path) in exists) return normal("tests/" path)
    return quoted ? normal(dir(file) "/" path) : ""
  }
  function complain(why) {
    printf "%s: includes %s (%s)\n", FILENAME, shown, why > "/dev/stderr"
    bad = 1
  }
  BEGIN {
    n = split(floors, sides, ";")
    for (i = 1; i <= n; ++i) {
      if (sides[i] == "") continue
      split(sides[i], parts, ":")
      m = split(parts[2], names, " ")
      for (j = 1; j <= m; ++j) rank[parts[1] "/" names[j]] = j
      top_floor[parts[1]] = parts[1] "/" names[m]
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
  /^[ \t]*#[ \t]*include[ \t]*["<]/ {
    path = $0
    sub(/^[^"<]*["<]/, "", path)
    sub(/[">].*/, "", path)
    quoted = $0 ~ /include[ \t]*"/
    shown = quoted ? "\"" path "\"" : "<" path ">"
    target = resolve(FILENAME, path, quoted)
    if (target == "") next
    from = top(FILENAME)
    to = top(target)
    own = from "/" floor(FILENAME)
    theirs = to "/" floor(target)
    if (from != to) {
      if (!((from "/" to) in may)) complain(from " does not stand on " to)
      else if (from == "ui" && to == "core" && theirs == top_floor["core"] && \
               ("core/" floor(FILENAME)) in rank && "core/" floor(FILENAME) != theirs)
        complain(own " stands below " theirs)
    } else if (from == "core" || from == "ui") {
      if (!(own in rank)) complain(own " is no floor")
      else if (!(theirs in rank)) complain(theirs " is no floor")
      else if (rank[theirs] > rank[own]) complain("a higher floor")
    }
  }
  END { exit bad }
' "$known" "${checked[@]}"
