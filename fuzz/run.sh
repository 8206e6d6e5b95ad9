#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) for SECONDS each, one after the other, and
# fails when one of them finds a crash, a leak, undefined behaviour or a hang.
# Usage: fuzz/run.sh BUILD_DIR SECONDS [TARGET...]
#   BUILD_DIR/fuzz/seeds/NAME    seed corpus (written afresh by fuzz/seeds.sh)
#   BUILD_DIR/fuzz/corpus/NAME   what the runs found, kept from run to run
#   fuzz/corpus/NAME             the corpus kept in the repository (made when missing; may be
#                                empty), read only: libFuzzer adds new inputs to the first folder
#   BUILD_DIR/fuzz/crashes/NAME  the input of a crash, to turn into a test in tests/
# FUZZ_FLAGS adds libFuzzer flags (e.g. FUZZ_FLAGS=-runs=10000000).
set -euo pipefail
build="$1"
seconds="$2"
shift 2
here="$(cd "$(dirname "$0")" && pwd)"
dir="$build/fuzz"
"$here/seeds.sh" "$build/acute" "$dir/seeds"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || mapfile -t targets <"$dir/targets.txt"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
failed=()
for t in "${targets[@]}"; do
  [ -n "$t" ] || continue
  mkdir -p "$dir/corpus/$t" "$dir/crashes/$t" "$dir/seeds/$t" "$here/corpus/$t"
  echo "== fuzz_$t: ${seconds} s"
  # shellcheck disable=SC2086
  if ! "$dir/fuzz_$t" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$dir/crashes/$t/" ${FUZZ_FLAGS:-} \
    "$dir/corpus/$t" "$dir/seeds/$t" "$here/corpus/$t" >"$dir/$t.log" 2>&1; then
    failed+=("$t")
    tail -n 40 "$dir/$t.log"
  fi
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$dir/$t.log" | tr '\n' ' ' || true
  echo
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found crashes in: ${failed[*]} (inputs in $dir/crashes/)"
  exit 1
fi
echo "Fuzzing: no crash in ${#targets[@]} targets"
