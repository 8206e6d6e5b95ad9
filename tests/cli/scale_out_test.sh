#!/usr/bin/env bash
# The scale-out recipes give the reports of the one-process batch run: the GNU parallel
# recipe with two jobs at a time, and one task of the Slurm job array script run by hand; the
# GNU parallel bootstrap recipe gives the results of the one-process bootstrap.
# Usage: scale_out_test.sh ACUTE SCRIPTS_FOLDER
set -euo pipefail
acute=$1
scripts=$2
command -v parallel >/dev/null || { echo "GNU parallel is not installed"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
data=$tmp/data
reports=$data/residues
"$acute" sample-data "$data" --persons 300 --seed 3 >/dev/null
options=(--mc 20 --seed 5 --rng mt --pop 1 --pop 3)

"$acute" --data "$data" --work "$tmp/one" --yes analyze --batch SAMPLE.B10 "${options[@]}" \
  >/dev/null 2>&1
mkdir "$tmp/whole"
mv "$reports"/*.AC10 "$reports"/*.PLT "$tmp/whole/"

same() {  # the two reports, date and time lines aside
  diff <(grep -v '^Analysis Date' "$1") <(grep -v '^Analysis Date' "$2")
}

"$scripts/parallel-batch.sh" -j 2 "$acute" "$data" SAMPLE.B10 "$tmp/work" "${options[@]}" \
  >/dev/null 2>&1
count=0
for f in "$tmp/whole"/*; do
  same "$f" "$reports/$(basename "$f")"
  count=$((count + 1))
done
[ "$count" -eq 6 ] || { echo "expected 6 reports, found $count"; exit 1; }
for i in 1 2 3; do
  [ -f "$tmp/work/entry-$i/acute.tmp" ] || { echo "entry $i has no work folder"; exit 1; }
done
[ ! -e "$data/tarnpass.tmp" ] || { echo "a work file went to the data folder"; exit 1; }

rm "$reports/SAMPLEMC.AC10" "$reports/SAMPLEMC.PLT"
SLURM_ARRAY_TASK_ID=2 ACUTE="$acute" WORK_ROOT="$tmp/slurm" \
  "$scripts/slurm-batch.sh" "$data" SAMPLE.B10 "${options[@]}" >/dev/null 2>&1
same "$tmp/whole/SAMPLEMC.AC10" "$reports/SAMPLEMC.AC10"
same "$tmp/whole/SAMPLEMC.PLT" "$reports/SAMPLEMC.PLT"
[ -f "$tmp/slurm/entry-2/tarnpass.tmp" ]

boot=(--mc 5 --seed 5 --rng mt --pop 1 --bootstrap 6 --bootstrap-seed 9)
"$acute" --data "$data" --work "$tmp/boot-one" --yes analyze --residue SAMPLEMC.R10 "${boot[@]}" \
  >/dev/null 2>&1
"$scripts/parallel-bootstrap.sh" -j 2 -n 3 "$acute" "$data" SAMPLEMC.R10 "$tmp/boot" "${boot[@]}" \
  >/dev/null 2>&1
python3 - "$tmp/boot-one/results.json" "$tmp/boot/results.json" <<'PY'
import json, sys
one, merged = (json.load(open(p)) for p in sys.argv[1:])
for j in (one, merged):
    j.pop("provenance")
sys.exit(0 if one == merged else 1)
PY
[ "$(ls "$tmp"/boot/part-*.json | wc -l)" -eq 3 ] || { echo "expected 3 partial files"; exit 1; }
echo "scale-out reports equal the one-process batch run, and the bootstrap's results its own"
