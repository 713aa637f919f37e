#!/bin/sh
# What `cmake --install` puts in place, as a packager and a user meet it:
# manual pages that say what the programs' --help says, AppStream data that
# validates, one version everywhere, and the desktop's caches refreshed when
# installing straight into a prefix (and only then).
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
# Every line of a program's help (after the usage lines and the line saying
# what it is) is a line of its manual page, as roff writes it.
page_follows_help() {
  help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$1" --help) || fail "$1 --help failed"
  page=$(zcat "$2")
  printf '%s\n' "$help" | sed -e '/^Usage: /d' -e '/^  or: /d' | sed -e '1d' -e '/^$/d' |
    sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e 's/^[.'\'']/\\\&&/' |
    while IFS= read -r line; do
      printf '%s\n' "$page" | grep -qxF -- "$line" || fail "$2 lacks: $line"
    done
}

# Staged as a package is: files only, no cache touched.
DESTDIR=$tmp/stage cmake --install "$build" --prefix /usr >/dev/null
usr=$tmp/stage/usr
[ "$("$usr/bin/ltbtool" --version)" = "ltbtool (Listora) $version" ] ||
  fail "ltbtool --version is not $version"
page_follows_help "$usr/bin/ltbtool" "$usr/share/man/man1/ltbtool.1.gz"
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
  page_follows_help "$usr/bin/listora" "$usr/share/man/man1/listora.1.gz"

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
