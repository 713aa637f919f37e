#!/usr/bin/env bash
# Builds the fuzz targets, makes their seed corpora with the project's own
# writers, and runs each target for SECONDS (default 60), two at a time.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# Corpora grow in build-fuzz/corpus/TARGET; a crash, leak, timeout or
# sanitizer report is written to build-fuzz/findings/ and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_load_plain fuzz_load_password fuzz_load_encrypted
  fuzz_round_trip fuzz_settings_file fuzz_edits fuzz_text fuzz_csv_import)

./scripts/sanitized_build.sh --target make_seeds "${targets[@]}"
rm -rf build-fuzz/seeds
build-fuzz/fuzz/make_seeds build-fuzz/seeds
mkdir -p build-fuzz/findings build-fuzz/logs

run_one() {
  local target=$1 seconds=$2
  local corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  # A seed replaces an older one of its name: the seeds follow the targets.
  cp build-fuzz/seeds/"${target#fuzz_}"/* "$corpus"/ 2>/dev/null || true
  if nice build-fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -dict=fuzz/ltb.dict -print_final_stats=1 \
    -artifact_prefix=build-fuzz/findings/"$target"- "$corpus" >build-fuzz/logs/"$target".log 2>&1; then
    echo "$target: $(grep -E '^stat::number_of_executed_units' build-fuzz/logs/"$target".log |
      awk '{print $2}') runs, $(grep -E '^stat::average_exec_per_sec' build-fuzz/logs/"$target".log |
      awk '{print $2}') exec/s, corpus $(ls "$corpus" | wc -l) inputs"
  else
    echo "$target: FINDING (see build-fuzz/logs/$target.log)"
    tail -n 40 build-fuzz/logs/"$target".log
    return 1
  fi
}
export -f run_one
printf '%s\n' "${targets[@]}" | xargs -P 2 -I{} bash -c 'run_one "$1" "$2"' _ {} "$seconds"
