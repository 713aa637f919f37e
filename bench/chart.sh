#!/usr/bin/env bash
# Plots ltbtool's whole-process time against item count (10k, 100k, 1M) for
# open, sort, group and duplicates, on log-log axes where linear growth is a
# line of slope one. Writes docs/bench_chart.png. See bench/README.md.
#
#   bench/chart.sh [RUNS]      default 3 runs per point (the median is plotted)
set -euo pipefail

runs=${1:-3}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
work=${BENCH_DIR:-/tmp/listora-bench}
out=$root/docs/bench_chart.png

# Set-up: gnuplot and bc, from Debian.
"$(dirname "$0")/../scripts/deps.sh" gnuplot-nox bc

cmake --build "$build" --target ltbtool bench_make_document >/dev/null
tool=$build/ltbtool/ltbtool
mkdir -p "$work"

seconds() {
  local all=()
  for ((r = 0; r < runs; r++)); do
    local start end
    start=$(date +%s.%N)
    bash -c "$1" >/dev/null
    end=$(date +%s.%N)
    all+=("$(echo "$end - $start" | bc -l)")
  done
  printf '%s\n' "${all[@]}" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

data=$work/chart.dat
echo "# items open sort group dupes" >"$data"
for items in 10000 100000 1000000; do
  doc=$work/doc-$items.ltb
  [ -f "$doc" ] || "$build/bench/bench_make_document" "$items" "$doc"
  echo "$items $(seconds "$tool info $doc") $(seconds "$tool sort $doc --column 1 -o $work/sorted.ltb")" \
    "$(seconds "$tool tree $doc --position 2") $(seconds "$tool dupes $doc --column 1")" >>"$data"
done
cat "$data"

gnuplot <<PLOT
set terminal pngcairo size 800,560 font ",11"
set output "$out"
set title "ltbtool, whole process (median of $runs runs)"
set xlabel "items"
set ylabel "seconds"
set logscale xy
set key top left
set grid
plot "$data" using 1:2 with linespoints title "open (info)", \
     "" using 1:3 with linespoints title "sort and save", \
     "" using 1:4 with linespoints title "group (tree)", \
     "" using 1:5 with linespoints title "duplicates", \
     [10000:1000000] x * 4e-6 with lines dashtype 2 lc "gray" title "linear"
PLOT
echo "wrote $out"
