#!/usr/bin/env bash
#SBATCH --job-name=acute-batch
#SBATCH --cpus-per-task=2
#SBATCH --output=acute-batch-%A_%a.out
# One entry of a batch file per task of a Slurm job array, each in a work folder of its own.
# Submit it with the batch file's entry range, for example:
#   n=$(acute --data /shared/data check-batch SAMPLE.B10 | awk '/^Entries:/ {print $2}')
#   sbatch --array=1-"$n" scripts/slurm-batch.sh /shared/data SAMPLE.B10 --mc 1000 --seed 1
# The data folder and the batch file's folder must be on a file system every node sees.
# ACUTE (default: acute on the PATH) and WORK_ROOT (default: DATA/work) may be set.
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: sbatch --array=1-N $0 DATA BATCH [analyze options...]" >&2
  exit 2
fi
data=$1 batch=$2
shift 2
entry=${SLURM_ARRAY_TASK_ID:?run this script as a task of a Slurm job array}
work="${WORK_ROOT:-$data/work}/entry-$entry"
exec "${ACUTE:-acute}" --data "$data" --work "$work" --yes analyze --batch "$batch" \
  --entries "$entry" "$@"
