#!/usr/bin/env bash
# The cluster test: a one-node Slurm cluster started on this machine (one-node.sh), the batch
# recipe scripts/slurm-batch.sh submitted through sbatch as a job array, and its reports
# compared with those of the one-process batch run. Stops what it started, whatever happens.
# Exit 77 (skipped) when not root, since the daemons and the packages need it.
#   scripts/cluster/cluster-test.sh ACUTE
set -euo pipefail
acute=$(realpath "${1:?the acute program}")
here=$(cd "$(dirname "$0")" && pwd)
scripts=$(dirname "$here")
if [ "$(id -u)" -ne 0 ]; then
  echo "cluster test skipped: it starts munged, slurmctld and slurmd, which needs root"
  exit 77
fi
missing=()
for p in slurm-wlm munge; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
tmp=$(mktemp -d)
chmod 755 "$tmp"
cleanup() {
  "$here/one-node.sh" stop "$tmp/cluster" || true
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM  # a time limit's signal still stops the daemons
"$here/one-node.sh" start "$tmp/cluster" >/dev/null
export SLURM_CONF=$tmp/cluster/slurm.conf

# Waits for every job of `ids` to leave the queue; fails when one did not complete.
wait_jobs() {
  for _ in $(seq 1 600); do
    [ -z "$(squeue -h -j "$1" 2>/dev/null)" ] && break
    sleep 1
  done
  [ -z "$(squeue -h -j "$1" 2>/dev/null)" ] || { echo "job $1 did not finish"; return 1; }
}

data=$tmp/data
reports=$data/residues
"$acute" sample-data "$data" --persons 2000 --seed 3 >/dev/null
options=(--mc 20 --seed 5 --rng mt --pop 1 --pop 3)
"$acute" --data "$data" --work "$tmp/one" --yes analyze --batch SAMPLE.B10 "${options[@]}" \
  >/dev/null 2>&1
mkdir "$tmp/whole"
mv "$reports"/*.AC10 "$reports"/*.PLT "$tmp/whole/"

entries=$("$acute" --data "$data" check-batch SAMPLE.B10 | awk '/^Entries:/ {print $2}')
job=$(ACUTE="$acute" WORK_ROOT="$tmp/slurm" sbatch --parsable --array=1-"$entries" \
  --chdir="$tmp" --output="$tmp/batch-%A_%a.out" --export=ALL \
  "$scripts/slurm-batch.sh" "$data" SAMPLE.B10 "${options[@]}")
wait_jobs "$job"
count=0
for f in "$tmp/whole"/*; do
  diff <(grep -v '^Analysis Date' "$f") <(grep -v '^Analysis Date' "$reports/$(basename "$f")") ||
    { echo "$(basename "$f") differs from the one-process run"; cat "$tmp"/batch-*.out; exit 1; }
  count=$((count + 1))
done
[ "$count" -eq $((2 * entries)) ] || { echo "expected $((2 * entries)) reports, found $count"; exit 1; }
echo "cluster test: the Slurm job array's $count batch reports equal the one-process run's"

# A bootstrap through scripts/slurm-bootstrap.sh: its slices as a job array and the dependent
# merge job, against the one-process run of every round.
boot=(--residue SAMPLEMC.R10 --mc 20 --seed 5 --rng mt --pop 1 --pop 3 --bootstrap 20
  --bootstrap-seed 11)
"$acute" --data "$data" --work "$tmp/boot-one" --yes analyze "${boot[@]}" >/dev/null 2>&1
read -r array merge < <(ACUTE="$acute" "$scripts/slurm-bootstrap.sh" -n 4 "$data" SAMPLEMC.R10 \
  "$tmp/boot" "${boot[@]:2}")
wait_jobs "$array"
wait_jobs "$merge"
python3 - "$tmp/boot-one/results.json" "$tmp/boot/results.json" <<'PY' ||
import json, sys
one, merged = (json.load(open(p)) for p in sys.argv[1:])
for j in (one, merged):
    j.pop("provenance")
sys.exit(0 if one == merged else 1)
PY
  { echo "the merged bootstrap differs from the one-process run"; cat "$tmp"/boot/*.out; exit 1; }
section=$(cat "$tmp/boot/uncertainty.txt")
grep -qF "Uncertainty analysis (bootstrap, 20 rounds)" "$tmp/boot/uncertainty.txt" &&
  [[ "$(cat "$tmp/boot-one/acute.tmp")" == *"$section"* ]] ||
  { echo "the merged report section differs from the one-process report's"; exit 1; }
parts=$(ls "$tmp"/boot/part-*.json | wc -l)
echo "cluster test: the Slurm bootstrap's $parts partial runs, merged by the dependent job, equal the one-process run"
