#!/usr/bin/env bash
# Installs the Debian packages Listora needs to build, test and run;
# "deps.sh fuzz" also installs clang and its sanitizer and libFuzzer runtimes
# for the fuzz targets and the sanitizer build; "deps.sh packaging" what
# building and checking the Debian package takes (scripts/check_package.sh);
# other arguments are further packages (the benchmarks' tools).
# Idempotent: does nothing when every package is already present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libwxgtk3.2-dev wx3.2-i18n libcurl4-openssl-dev libgtk-3-dev libgtest-dev
  libxlsxwriter-dev zlib1g-dev
  xvfb xauth fonts-ipafont-gothic poppler-utils desktop-file-utils
  clang-format git xdg-utils gettext python3
)
for extra in "$@"; do
  case $extra in
    fuzz) packages+=(clang libclang-rt-dev) ;;
    packaging) packages+=(dpkg-dev file lintian appstream) ;;
    *) packages+=("$extra") ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
