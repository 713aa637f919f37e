#!/bin/sh
# Writes the manual page of PROGRAM, gzip-compressed, from the program's own
# --help and --version, so the page says what the program says. The help
# begins with its usage lines ("Usage: ..." and "  or:  ..."), then one
# line saying what the program does; the rest is kept as it is laid out.
#   man_page.sh PROGRAM OUT.gz [SEE-ALSO-PAGE]
set -eu
program=$1
out=$2
see_also=${3:-}
name=$(basename "$program")
# The desktop program answers without a display; make sure of it.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help)
version=$("$program" --version | sed -n '1s/.* //p')

# Text for roff: backslashes and hyphens kept literal, no line read as a
# request.
roff() { sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e 's/^[.'\'']/\\\&&/'; }

usage=$(printf '%s\n' "$help" | sed -n -e 's/^Usage: *//p' -e 's/^  or: *//p')
what=$(printf '%s\n' "$help" | sed -e '/^Usage: /d' -e '/^  or: /d' | sed -n '1{s/\.$//;s/^./\L&/;p}')
body=$(printf '%s\n' "$help" | sed -e '/^Usage: /d' -e '/^  or: /d' | sed -e '1d' -e '2{/^$/d}')

{
  printf '.TH %s 1 "" "Listora %s" "User Commands"\n' "$(printf '%s' "$name" | tr a-z A-Z)" "$version"
  printf '.SH NAME\n%s \\- %s\n' "$name" "$(printf '%s\n' "$what" | roff)"
  printf '.SH SYNOPSIS\n'
  printf '%s\n' "$usage" | while IFS= read -r line; do
    printf '.B %s\n%s\n.br\n' "$name" "$(printf '%s\n' "${line#"$name"}" | sed 's/^ *//' | roff)"
  done
  printf '.SH DESCRIPTION\n.nf\n'
  printf '%s\n' "$body" | roff | sed 's/^$/.sp/'
  printf '.fi\n'
  [ -z "$see_also" ] || printf '.SH SEE ALSO\n.BR %s (1)\n' "$see_also"
} | gzip -9n >"$out.tmp"
mv "$out.tmp" "$out"
