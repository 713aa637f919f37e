#!/bin/sh
# What `cmake --install` puts in place, as a packager and a user meet it:
# manual pages that name every option the programs' --help names, AppStream
# data that validates, one version everywhere, and the desktop's caches
# refreshed when installing straight into a prefix (and only then).
#   installed_files_test.sh BUILD-DIR VERSION
set -eu
build=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
have() { command -v "$1" >/dev/null 2>&1; }
# A manual page names every option of its program's --help (help and page
# are written apart, so a new option must be added to both) and reads well
# in 80 columns without a warning from man.
page_names_options() {
  help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$1" --help) || fail "$1 --help failed"
  text=$(zcat "$2" | sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g')
  options=$(printf '%s\n' "$help" |
    grep -oE -- '(^|[^[:alnum:]-])--?[[:alpha:]][[:alnum:]-]*' | sed 's/^[^-]*//' | sort -u)
  [ -n "$options" ] || fail "no options found in $1 --help"
  for option in $options; do
    printf '%s\n' "$text" | grep -qE -- "(^|[^[:alnum:]-])$option(\$|[^[:alnum:]-])" ||
      fail "$2 lacks $option"
  done
  if have man; then
    warnings=$(MANWIDTH=80 man --warnings -l "$2" 2>&1 >/dev/null) || fail "man cannot show $2"
    [ -z "$warnings" ] || fail "$2: $warnings"
    wide=$(MANWIDTH=80 man -l "$2" 2>/dev/null | awk 'length > 80')
    [ -z "$wide" ] || fail "$2 has lines over 80 columns: $wide"
  fi
}

# Staged as a package is: files only, no cache touched.
DESTDIR=$tmp/stage cmake --install "$build" --prefix /usr >/dev/null
usr=$tmp/stage/usr
[ "$("$usr/bin/ltbtool" --version)" = "ltbtool (Listora) $version" ] ||
  fail "ltbtool --version is not $version"
page_names_options "$usr/bin/ltbtool" "$usr/share/man/man1/ltbtool.1.gz"
[ -f "$usr/share/man/ja/man1/ltbtool.1.gz" ] || fail "no Japanese manual page of ltbtool"
# The installed programs find the English catalogue beside them.
LANGUAGE= LC_ALL= LC_MESSAGES= LANG=en_US.UTF-8 "$usr/bin/ltbtool" info "$tmp/none.ltb" 2>&1 |
  grep -qF 'could not be read' || fail "the installed ltbtool speaks no English"
zcat "$usr/share/doc/listora/changelog.gz" | head -n 1 | grep -q "^listora ($version) " ||
  fail "the changelog's newest entry is not $version"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
  "$usr/share/doc/listora/copyright" || fail "copyright is not machine-readable"

if [ -x "$usr/bin/listora" ]; then
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/listora" --version) ||
    fail "listora --version needs a display"
  [ "$out" = "listora (Listora) $version" ] || fail "listora --version is not $version"
  env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/listora" --help | grep -qxF '  or:  listora -D PATH...' ||
    fail "listora --help does not show -D"
  page_names_options "$usr/bin/listora" "$usr/share/man/man1/listora.1.gz"
  [ -f "$usr/share/man/ja/man1/listora.1.gz" ] || fail "no Japanese manual page"

  set -- "$usr"/share/metainfo/*.metainfo.xml
  [ $# -eq 1 ] && [ -f "$1" ] || fail "no single AppStream file"
  metainfo=$1
  grep -qF "<release version=\"$version\" " "$metainfo" || fail "AppStream release is not $version"
  entry=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
  [ -f "$usr/share/applications/$entry" ] || fail "AppStream launches $entry, which is not installed"
  mime=$(sed -n 's|.*<mediatype>\(.*\)</mediatype>.*|\1|p' "$metainfo")
  grep -qx "MimeType=$mime;" "$usr/share/applications/$entry" || fail "$entry does not open $mime"
  if have appstreamcli; then
    report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "$report"
    ! printf '%s\n' "$report" | grep -q '^[EWIP]: ' || fail "$report"
  fi
  if have desktop-file-validate; then
    desktop-file-validate "$usr/share/applications/$entry" || fail "$entry does not validate"
  fi
  [ ! -e "$usr/share/mime/mime.cache" ] || fail "staging refreshed the MIME cache"

  # Straight into a prefix: the desktop knows ".ltb" at once.
  cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
  if have update-mime-database; then
    grep -q 'application/x-listora:\*\.ltb' "$tmp/prefix/share/mime/globs2" ||
      fail "the MIME database was not refreshed"
  fi
  if have update-desktop-database; then
    grep -q "application/x-listora=$entry" "$tmp/prefix/share/applications/mimeinfo.cache" ||
      fail "the desktop database was not refreshed"
  fi
fi
