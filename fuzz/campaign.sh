#!/usr/bin/env bash
# A long fuzzing campaign: every target (or the ones named) on JOBS processes until it has
# run RUNS inputs or SECONDS have passed, whichever comes first; then the inputs it found are
# minimized into the repository's corpus, fuzz/corpus/NAME, which fuzz/run.sh passes to every
# later run. Prints per target the inputs run, the seconds taken and the inputs per second.
# Usage: fuzz/campaign.sh BUILD_DIR [RUNS] [SECONDS] [JOBS] [TARGET...]
set -euo pipefail
build="$1"
runs="${2:-1000000}"
seconds="${3:-1200}"
jobs="${4:-2}"
shift $(($# < 4 ? $# : 4))
here="$(cd "$(dirname "$0")" && pwd)"
dir="$(cd "$build" && pwd)/fuzz"
"$here/seeds.sh" "$build/acute" "$dir/seeds"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || mapfile -t targets <"$dir/targets.txt"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
failed=()
for t in "${targets[@]}"; do
  [ -n "$t" ] || continue
  logs="$dir/campaign/$t"
  rm -rf "$logs"
  mkdir -p "$logs" "$dir/corpus/$t" "$dir/crashes/$t" "$dir/seeds/$t" "$here/corpus/$t"
  start=$(date +%s)
  # Each job runs its share of the inputs; the logs land in the job's folder.
  (cd "$logs" && "$dir/fuzz_$t" -jobs="$jobs" -workers="$jobs" -runs=$(((runs + jobs - 1) / jobs)) \
    -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$dir/crashes/$t/" "$dir/corpus/$t" "$dir/seeds/$t" "$here/corpus/$t" \
    >"$logs/parent.log" 2>&1) || true
  took=$(($(date +%s) - start))
  executed=$(cat "$logs"/fuzz-*.log | awk '/^stat::number_of_executed_units/ {n += $2} END {print n + 0}')
  if grep -qE "ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error:|deadly signal" \
    "$logs"/fuzz-*.log; then
    failed+=("$t")
    grep -hE -A20 "ERROR: |runtime error:|deadly signal" "$logs"/fuzz-*.log | head -n 40
  fi
  # The minimized corpus: what every input found covers, in as few inputs as cover it.
  fresh="$here/corpus/$t.new"
  rm -rf "$fresh"
  mkdir -p "$fresh"
  "$dir/fuzz_$t" -merge=1 -timeout=25 -rss_limit_mb=2048 "$fresh" "$here/corpus/$t" \
    "$dir/corpus/$t" >"$logs/merge.log" 2>&1 || true
  rm -rf "$here/corpus/$t"
  mv "$fresh" "$here/corpus/$t"
  echo "$t: $executed inputs in $took s ($((executed / (took > 0 ? took : 1))) per second)," \
    "corpus $(ls "$here/corpus/$t" | wc -l) files"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found crashes in: ${failed[*]} (inputs in $dir/crashes/)"
  exit 1
fi
echo "Fuzzing campaign: no crash in ${#targets[@]} targets"
