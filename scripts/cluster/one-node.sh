#!/usr/bin/env bash
# A one-node Slurm cluster on this machine, in a scratch folder, for the cluster test:
#   scripts/cluster/one-node.sh start DIR   starts munged, slurmctld and slurmd; prints the
#                                           SLURM_CONF to export for sbatch, squeue, ...
#   scripts/cluster/one-node.sh stop DIR    stops what start started
# Needs root and Debian's slurm-wlm and munge. Every daemon keeps its files in DIR: munged runs
# as the munge user with its socket there, slurmctld and slurmd run in the foreground in their
# own process group, with process tracking and task plugins that need no cgroups.
set -euo pipefail
action=${1:?start or stop}
dir=$(realpath -m "${2:?the scratch folder}")

# Stops each daemon's process group: TERM, then KILL for what is still there after 15 s.
stop() {
  for name in slurmd slurmctld munged; do
    [ -f "$dir/$name.pgid" ] || continue
    local group
    group=$(cat "$dir/$name.pgid")
    kill -- -"$group" 2>/dev/null || true
    for _ in $(seq 1 75); do
      pgrep -g "$group" >/dev/null || break
      sleep 0.2
    done
    kill -KILL -- -"$group" 2>/dev/null || true
    rm -f "$dir/$name.pgid"
  done
}

wait_for() {  # wait_for SECONDS COMMAND...: true once COMMAND succeeds
  local limit=$1
  shift
  for _ in $(seq 1 "$((limit * 5))"); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  return 1
}

start_munge() {
  mkdir -p "$dir/munge"
  chown munge: "$dir/munge"
  chmod 700 "$dir/munge"
  if [ ! -f "$dir/munge/munge.key" ]; then
    dd if=/dev/urandom of="$dir/munge/munge.key" bs=1024 count=1 status=none
    chown munge: "$dir/munge/munge.key"
    chmod 400 "$dir/munge/munge.key"
  fi
  setsid runuser -u munge -- munged --foreground --force --num-threads=2 \
    --socket="$dir/munge/munge.socket" --key-file="$dir/munge/munge.key" \
    --pid-file="$dir/munge/munged.pid" --log-file="$dir/munge/munged.log" \
    --seed-file="$dir/munge/munged.seed" </dev/null >/dev/null 2>&1 &
  echo $! >"$dir/munged.pgid"
  wait_for 10 munge --socket="$dir/munge/munge.socket" -n ||
    { echo "munged did not start (see $dir/munge/munged.log)" >&2; return 1; }
}

write_conf() {
  local host cpus port
  host=$(hostname -s)
  cpus=$(nproc)
  port=$((20000 + RANDOM % 20000))
  mkdir -p "$dir/state" "$dir/spool" "$dir/log"
  cat >"$dir/slurm.conf" <<CONF
ClusterName=acute-test
SlurmctldHost=$host(127.0.0.1)
SlurmctldPort=$port
SlurmdPort=$((port + 1))
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$dir/munge/munge.socket
StateSaveLocation=$dir/state
SlurmdSpoolDir=$dir/spool
SlurmctldPidFile=$dir/slurmctld.pid
SlurmdPidFile=$dir/slurmd.pid
SlurmctldLogFile=$dir/log/slurmctld.log
SlurmdLogFile=$dir/log/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
SchedulerType=sched/backfill
SelectType=select/cons_tres
SelectTypeParameters=CR_Core
MpiDefault=none
ReturnToService=2
SlurmdTimeout=60
InactiveLimit=0
KillWait=5
NodeName=$host NodeAddr=127.0.0.1 CPUs=$cpus State=UNKNOWN
PartitionName=test Nodes=$host Default=YES MaxTime=INFINITE State=UP OverSubscribe=YES
CONF
}

start_slurm() {
  export SLURM_CONF=$dir/slurm.conf
  setsid slurmctld -D -i -f "$SLURM_CONF" </dev/null >"$dir/log/slurmctld.out" 2>&1 &
  echo $! >"$dir/slurmctld.pgid"
  wait_for 20 scontrol ping ||
    { echo "slurmctld did not start (see $dir/log/)" >&2; return 1; }
  setsid slurmd -D -f "$SLURM_CONF" </dev/null >"$dir/log/slurmd.out" 2>&1 &
  echo $! >"$dir/slurmd.pgid"
  wait_for 30 bash -c "sinfo -h -o %t | grep -qE '^(idle|mix|alloc)'" ||
    { echo "slurmd did not register (see $dir/log/)" >&2; return 1; }
}

case $action in
  start)
    mkdir -p "$dir"
    trap 'stop' ERR
    start_munge
    write_conf
    start_slurm
    echo "SLURM_CONF=$dir/slurm.conf"
    ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
