# Shared by the bootstrap scale-out scripts: the bootstrap's rounds from the analyze options,
# and the rounds of each slice. Source it; it defines functions only.

# The B of "--bootstrap B" (or --bootstrap=B) among the arguments; fails without one.
bootstrap_rounds() {
  local b=""
  while [ $# -gt 0 ]; do
    case $1 in
      --bootstrap) b=${2:-} ; shift ;;
      --bootstrap=*) b=${1#--bootstrap=} ;;
    esac
    shift
  done
  case $b in
    '' | *[!0-9]*) echo "the analyze options must give --bootstrap B (B from 1)" >&2; return 1 ;;
  esac
  [ "$b" -ge 1 ] || { echo "--bootstrap must be 1 or more" >&2; return 1; }
  echo "$b"
}

# "a-b": the rounds of slice i (from 0) when rounds 0..B are cut into `slices` slices of
# consecutive rounds (round 0 the main run); empty when the slice holds none.
slice_rounds() {
  local b=$1 slices=$2 i=$3
  local per=$(((b + slices) / slices))
  local first=$((i * per)) last=$(((i + 1) * per - 1))
  [ "$last" -le "$b" ] || last=$b
  [ "$first" -le "$b" ] && echo "$first-$last"
  return 0
}
