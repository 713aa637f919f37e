#!/usr/bin/env bash
# Builds the Debian package with `cpack -G DEB` and checks it as a
# distribution would: lintian with no error and no warning, both manual
# pages, AppStream data that `appstreamcli validate --pedantic` accepts
# without a remark, and the package's version in both programs. Needs the
# extras of `scripts/deps.sh packaging`.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh packaging
./scripts/build.sh
cd build
rm -f listora_*.deb
cpack -G DEB >/dev/null
debs=(listora_*.deb)
deb=${debs[0]}
echo "Checking $deb"
lintian --fail-on error,warning --display-info "$deb"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp"
version=$(dpkg-deb -f "$deb" Version)
for page in listora ltbtool; do
  [ -f "$tmp/usr/share/man/man1/$page.1.gz" ] || { echo "no manual page $page(1)"; exit 1; }
done
metainfo=("$tmp"/usr/share/metainfo/*.metainfo.xml)
report=$(appstreamcli validate --pedantic --no-net "${metainfo[0]}" 2>&1) || { echo "$report"; exit 1; }
if grep -q '^[EWIP]: ' <<<"$report"; then
  echo "$report"
  exit 1
fi
[ "$(env -u DISPLAY "$tmp/usr/bin/listora" --version)" = "listora (Listora) $version" ]
[ "$("$tmp/usr/bin/ltbtool" --version)" = "ltbtool (Listora) $version" ]
echo "$deb: lintian-clean, manual pages and AppStream data in place, version $version"
