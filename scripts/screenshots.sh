#!/usr/bin/env bash
# Screenshots of the desktop program for the README, taken under Xvfb with ImageMagick's
# `import` from the real program on a sample data folder:
#   scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]
# Needs the Debian packages xvfb and imagemagick.
set -euo pipefail
build=${1:-build/release}
out=${2:-docs/screenshots}
gui="$build/acute-gui"
cli="$build/acute"
for tool in Xvfb import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb imagemagick)"; exit 1; }
done
[ -x "$gui" ] && [ -x "$cli" ] || { echo "build acute and acute-gui first (make release)"; exit 1; }
mkdir -p "$out"
work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
# The smallest screen the program is made for: every window must fit it.
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
data="$work/data"
"$cli" sample-data "$data" --persons 1500 >/dev/null
"$cli" --yes --data "$data" analyze --residue SAMPLE.R10 --pop 1 --pop 3 --pop 6 >/dev/null

# shot NAME RESIDUE [WHAT]: starts the program, waits for the window it names, saves it.
shot() {
  local name=$1 residue=$2 what=${3:-}
  local log="$work/$name.log"
  DISPLAY=$display "$gui" "$data" "$residue" ${what:+--show "$what"} >"$log" 2>&1 &
  local pid=$!
  for _ in $(seq 1 "${SHOT_WAIT:-50}"); do
    grep -q '^window-id:' "$log" && break
    sleep 0.2
  done
  local id
  id=$(sed -n 's/^window-id: //p' "$log" | head -1)
  sleep "${SHOT_DELAY:-0.5}"
  DISPLAY=$display import -window "$id" "$out/$name.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$out/$name.png"
}

shot main-form SAMPLEMC.R10 main
shot custom-dialog SAMPLE.R10 custom
shot pad-dialog SAMPLE.R10 pads
shot report-window SAMPLE.R10 report
SHOT_DELAY=3 shot progress-window SAMPLEMC.R10 progress
# The chart of a Monte Carlo run of the sample folder.
"$cli" --yes --data "$data" analyze --residue SAMPLEMC.R10 --mc 100 --seed 1 --pop 1 --pop 3 \
  --pop 6 >/dev/null
shot chart-window SAMPLEMC.R10 chart
# The chart of a run with bootstrap rounds: a band for each population's interval (the scene
# runs the rounds before its window shows).
SHOT_WAIT=300 shot chart-bootstrap SAMPLE.R10 chart-bootstrap
shot bootstrap-refusal SAMPLEMC.R10 bootstrap-refusal
shot specs-dialog SAMPLE.R10 specs
# The Results window of a run with the exact percentiles beside the binned ones.
"$cli" --data "$data" specs --exact on >/dev/null
shot results-window SAMPLE.R10 results
shot destination-dialog SAMPLE.R10 destination
shot batch-editor SAMPLE.R10 batch-editor
