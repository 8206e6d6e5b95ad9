#!/usr/bin/env bash
# Runs every entry of a batch file as an independent job with GNU parallel, each job in a
# work folder of its own. The reports are those that one `acute analyze --batch` run writes.
#
# Usage: parallel-batch.sh [-j JOBS] [-S HOSTS] ACUTE DATA BATCH WORKROOT [analyze options...]
#   -j JOBS   jobs at a time on each machine (default 2)
#   -S HOSTS  GNU parallel's --sshlogin list, e.g. "2/node1,2/node2,:" (":" is this machine);
#             ACUTE, DATA, BATCH and WORKROOT must then be absolute paths that every machine
#             sees (a shared file system), since the reports are written beside the batch file.
set -euo pipefail
jobs=2
hosts=""
while getopts "j:S:" opt; do
  case $opt in
    j) jobs=$OPTARG ;;
    S) hosts=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
if [ $# -lt 4 ]; then
  echo "usage: $0 [-j JOBS] [-S HOSTS] ACUTE DATA BATCH WORKROOT [analyze options...]" >&2
  exit 2
fi
acute=$1 data=$2 batch=$3 work=$4
shift 4
entries=$("$acute" --data "$data" check-batch "$batch" | awk '/^Entries:/ {print $2}')
if [ -z "$entries" ]; then
  echo "$0: can't read the batch file $batch" >&2
  exit 1
fi
remote=()
if [ -n "$hosts" ]; then remote=(-S "$hosts"); fi
seq 1 "$entries" | parallel -q -j "$jobs" "${remote[@]}" --halt now,fail=1 \
  "$acute" --data "$data" --work "$work/entry-{}" --yes analyze --batch "$batch" --entries {} "$@"
