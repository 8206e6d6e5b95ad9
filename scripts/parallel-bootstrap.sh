#!/usr/bin/env bash
# The rounds of a bootstrap as independent jobs with GNU parallel, one slice of rounds per job,
# each in a work folder of its own, then their merge: the results one `acute analyze
# --bootstrap B` run writes.
#
# Usage: parallel-bootstrap.sh [-j JOBS] [-S HOSTS] [-n SLICES] ACUTE DATA RESIDUE OUT
#                              analyze-options...
#   -j JOBS    jobs at a time on each machine (default 2)
#   -S HOSTS   GNU parallel's --sshlogin list, e.g. "2/node1,2/node2,:" (":" is this machine);
#              ACUTE, DATA and OUT must then be absolute paths every machine sees
#   -n SLICES  slices of rounds (default 10)
# The options must give --bootstrap B and a --bootstrap-seed other than 0. OUT gets part-I.json
# of each slice, results.json (merged) and uncertainty.txt (the report section).
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/lib/bootstrap-rounds.sh"
jobs=2 hosts="" slices=10
while getopts "j:S:n:" opt; do
  case $opt in
    j) jobs=$OPTARG ;;
    S) hosts=$OPTARG ;;
    n) slices=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
if [ $# -lt 5 ]; then
  echo "usage: $0 [-j JOBS] [-S HOSTS] [-n SLICES] ACUTE DATA RESIDUE OUT analyze-options..." >&2
  exit 2
fi
acute=$1 data=$2 residue=$3 out=$4
shift 4
b=$(bootstrap_rounds "$@")
[ "$slices" -le $((b + 1)) ] || slices=$((b + 1))
mkdir -p "$out"
rm -f "$out"/part-*.json
remote=()
if [ -n "$hosts" ]; then remote=(-S "$hosts"); fi
for i in $(seq 0 $((slices - 1))); do
  rounds=$(slice_rounds "$b" "$slices" "$i")
  [ -z "$rounds" ] || echo "$i $rounds"
done | parallel -q -j "$jobs" "${remote[@]}" --colsep ' ' --halt now,fail=1 \
  "$acute" --data "$data" --work "$out/work-{1}" --yes analyze --residue "$residue" "$@" \
  --rounds {2} --json "$out/part-{1}.json"
"$acute" merge "$out"/part-*.json --json "$out/results.json" --report "$out/uncertainty.txt"
