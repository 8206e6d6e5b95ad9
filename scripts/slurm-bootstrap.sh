#!/usr/bin/env bash
#SBATCH --job-name=acute-bootstrap
#SBATCH --cpus-per-task=2
# The rounds of a bootstrap as a Slurm job array, one slice of rounds per task, each in a work
# folder of its own, and a merge job that runs once every task has completed. Submit from a
# login node (the script calls sbatch itself):
#   scripts/slurm-bootstrap.sh [-n SLICES] DATA RESIDUE OUT analyze-options...
# for example
#   scripts/slurm-bootstrap.sh -n 10 /shared/data SAMPLEMC.R10 /shared/out \
#     --mc 1000 --seed 1 --rng mt --pop 1 --bootstrap 200 --bootstrap-seed 7
# The options must give --bootstrap B and a --bootstrap-seed other than 0. OUT gets part-I.json
# of each task, results.json (the merged results) and uncertainty.txt (the report section);
# DATA and OUT must be on a file system every node sees. ACUTE (default: acute on the PATH)
# may be set; it is passed to the jobs. Prints the array's and the merge job's ids.
set -euo pipefail

# The array task: the rounds of slice SLURM_ARRAY_TASK_ID.
run_task() {
  local data=$1 residue=$2 out=$3 slices=$4
  shift 4
  local i=${SLURM_ARRAY_TASK_ID:?run as a task of a Slurm job array}
  local b rounds
  b=$(bootstrap_rounds "$@")
  rounds=$(slice_rounds "$b" "$slices" "$i")
  [ -n "$rounds" ] || exit 0
  exec "${ACUTE:-acute}" --data "$data" --work "$out/work-$i" --yes analyze --residue "$residue" \
    "$@" --rounds "$rounds" --json "$out/part-$i.json"
}

run_merge() {
  local out=$1
  exec "${ACUTE:-acute}" merge "$out"/part-*.json --json "$out/results.json" \
    --report "$out/uncertainty.txt"
}

submit() {
  local slices=10
  if [ "${1:-}" = "-n" ]; then
    slices=$2
    shift 2
  fi
  if [ $# -lt 4 ]; then
    echo "usage: $0 [-n SLICES] DATA RESIDUE OUT analyze-options..." >&2
    exit 2
  fi
  local data residue=$2 out
  data=$(realpath "$1")
  out=$(realpath -m "$3")
  shift 3
  local b
  b=$(bootstrap_rounds "$@")
  [ "$slices" -le $((b + 1)) ] || slices=$((b + 1))
  mkdir -p "$out"
  rm -f "$out"/part-*.json
  local self array merge
  self=$(realpath "$0")
  array=$(sbatch --parsable --array=0-$((slices - 1)) --output="$out/task-%a.out" \
    --export=ALL,ACUTE="${ACUTE:-acute}" "$self" task "$data" "$residue" "$out" "$slices" "$@")
  merge=$(sbatch --parsable --dependency=afterok:"$array" --kill-on-invalid-dep=yes \
    --output="$out/merge.out" --export=ALL,ACUTE="${ACUTE:-acute}" "$self" merge "$out")
  echo "$array $merge"
}

lib=${ACUTE_SCRIPTS:-$(cd "$(dirname "$0")" && pwd)}/lib/bootstrap-rounds.sh
case ${1:-} in
  task | merge)
    # A job runs a copy of this script from Slurm's spool folder: the library comes from
    # ACUTE_SCRIPTS, which the submission exports.
    source "${ACUTE_SCRIPTS:?}/lib/bootstrap-rounds.sh"
    mode=$1
    shift
    if [ "$mode" = task ]; then run_task "$@"; else run_merge "$@"; fi
    ;;
  *)
    source "$lib"
    export ACUTE_SCRIPTS
    ACUTE_SCRIPTS=$(cd "$(dirname "$0")" && pwd)
    submit "$@"
    ;;
esac
