#!/usr/bin/env bash
# Times ltbtool against reference tools on the same rows, runs interleaved,
# and prints medians, ratios and peak memory. See bench/README.md.
#
#   bench/run.sh [ITEMS] [RUNS] [BIG]   defaults: 1000000 items, 3 runs,
#                                       10000000 items (0: none) for the
#                                       tree's memory on a larger document
set -euo pipefail

items=${1:-1000000}
runs=${2:-3}
big=${3:-10000000}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
work=${BENCH_DIR:-/tmp/listora-bench}

# Set-up: the reference tools and GNU time, from Debian.
"$(dirname "$0")/../scripts/deps.sh" sqlite3 openssl coreutils time bc gzip

cmake --build "$build" --target ltbtool bench_make_document >/dev/null
tool=$build/ltbtool/ltbtool
mkdir -p "$work"
doc=$work/doc-$items.ltb
enc=$work/doc-$items-encrypted.ltb
if [ ! -f "$doc" ] || [ ! -f "$enc" ] || [ ! -f "$work/rows-$items.tsv" ]; then
  "$build/bench/bench_make_document" "$items" "$doc" --encrypted "$enc" \
    --tsv "$work/rows-$items.tsv" --csv "$work/rows-$items.csv"
fi
# The enciphered bytes for the cipher reference: the item section's length
# in whole blocks.
blob=$work/cipher-$items.bin
head -c $(( $(stat -c %s "$enc") / 8 * 8 )) "$enc" > "$blob"
size=$(stat -c %s "$doc")

# Each operation: a name, the ltbtool command, the reference command.
names=(open open-encrypted sort tree dupes import export-xlsx)
declare -A ours refs
ours[open]="$tool info $doc"
refs[open]="sqlite3 :memory: -cmd 'create table t(a,b,c,d,m,i)' -cmd '.import --csv $work/rows-$items.csv t' -cmd '.output /dev/null' 'select * from t order by a'"
ours[open-encrypted]="$tool info $enc"
refs[open-encrypted]="openssl enc -d -provider legacy -provider default -bf-ecb -nopad -K 00112233445566778899aabbccddeeff -in $blob -out /dev/null"
ours[sort]="$tool sort $doc --column 1 -o $work/sorted.ltb"
gnusort="LC_ALL=C sort -t \"\$(printf '\\t')\" -k1,1 $work/rows-$items.tsv -o $work/sorted.tsv"
refs[sort]=$gnusort
ours[tree]="$tool tree $doc --position 2"
refs[tree]=$gnusort
ours[dupes]="$tool dupes $doc --column 1"
refs[dupes]=$gnusort
# The CSV rows into a new document file, and into a new database file.
ours[import]="$tool import $work/rows-$items.csv -o $work/imported.ltb"
refs[import]="rm -f $work/imported.db && sqlite3 $work/imported.db -cmd 'create table t(a,b,c,d,m,i)' '.import --csv $work/rows-$items.csv t'"
# A workbook is deflated XML: the reference deflates the CSV rows.
ours[export-xlsx]="$tool export $doc --format xlsx -o $work/export.xlsx"
refs[export-xlsx]="gzip -6 -c $work/rows-$items.csv > $work/rows.csv.gz"

# Runs a command under GNU time; prints "seconds peak-KiB".
measure() {
  /usr/bin/time -f '%e %M' -o "$work/time.out" bash -c "$1" >/dev/null
  cat "$work/time.out"
}

declare -A times
for ((r = 0; r < runs; r++)); do
  for name in "${names[@]}"; do
    read -r t m < <(measure "${ours[$name]}")
    times[$name.ours]+="$t "
    times[$name.mem]+="$m "
    read -r t m < <(measure "${refs[$name]}")
    times[$name.ref]+="$t "
  done
done

median() { tr ' ' '\n' <<<"$1" | grep -v '^$' | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

printf '%d items, file %.1f MiB, median of %d runs\n\n' "$items" "$(bc -l <<<"$size/1048576")" "$runs"
printf '| %-15s | %9s | %9s | %6s | %9s |\n' operation "ltbtool s" "ref s" ratio "peak MiB"
printf '|%s|%s|%s|%s|%s|\n' ----------------- ----------- ----------- -------- -----------
for name in "${names[@]}"; do
  a=$(median "${times[$name.ours]}")
  b=$(median "${times[$name.ref]}")
  m=$(median "${times[$name.mem]}")
  printf '| %-15s | %9.2f | %9.2f | %6.2f | %9.0f |\n' "$name" "$a" "$b" \
    "$(bc -l <<<"$a / $b")" "$(bc -l <<<"$m / 1024")"
done
# Peak memory as a multiple of the file: "what peak-KiB file-bytes".
ratio() {
  printf '%s: %.0f MiB = %.2f x the file size\n' "$1" "$(bc -l <<<"$2/1024")" \
    "$(bc -l <<<"$2*1024/$3")"
}
echo
ratio "peak memory of open" "$(median "${times[open.mem]}")" "$size"
ratio "peak memory of tree" "$(median "${times[tree.mem]}")" "$size"

# The tree of a larger document, for its memory alone (one run).
if [ "$big" -gt 0 ]; then
  bigdoc=$work/doc-$big.ltb
  [ -f "$bigdoc" ] || "$build/bench/bench_make_document" "$big" "$bigdoc"
  read -r t m < <(measure "$tool tree $bigdoc --position 2")
  ratio "peak memory of tree, $big items ($t s)" "$m" "$(stat -c %s "$bigdoc")"
fi
