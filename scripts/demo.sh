#!/usr/bin/env bash
# The program's main job on the sample data folder: summarise its residue files, then run
# deterministic, Monte Carlo (also with a CEC report) and DWLOC analyses for a few standard
# populations and one custom population (toddlers, 1 to 2 years).
set -euo pipefail
acute="$1"
data="$2"
"$acute" --data "$data" residues
echo
echo "== Deterministic acute analysis of SAMPLE =="
"$acute" --data "$data" --yes analyze --residue SAMPLE.R10 \
  --pop 1 --pop 2 --pop 7 --pop 14 \
  --custom "Toddlers 1-2 yrs|1,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|0,0,1,0,2" \
  --report SAMPLE --plot SAMPLE --comment "Sample deterministic run"
echo
echo "== Monte Carlo acute analysis of SAMPLEMC (1000 iterations, seed 1, Mersenne Twister) =="
"$acute" --data "$data" --yes analyze --residue SAMPLEMC.R10 \
  --pop 1 --pop 2 --pop 7 --pop 14 \
  --custom "Toddlers 1-2 yrs|1,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|0,0,1,0,2" \
  --mc 1000 --seed 1 --rng mt --report SAMPLEMC --plot SAMPLEMC --comment "Sample Monte Carlo run"
echo
echo "== The same Monte Carlo analysis with a CEC report (99th to 100th percentile) =="
"$acute" --data "$data" --yes analyze --residue SAMPLEMC.R10 \
  --pop 1 --pop 2 --pop 7 --pop 14 \
  --custom "Toddlers 1-2 yrs|1,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|0,0,1,0,2" \
  --mc 1000 --seed 1 --rng mt --comment "Sample Monte Carlo run" \
  --cec SAMPLEMC --cec-low 99 --cec-high 100 --cec-min 1 --cec-records 20 --cec-quiet \
  > /dev/null
echo "CEC report: $("$acute" --data "$data" show last-cec | wc -l) lines; its head:"
"$acute" --data "$data" show last-cec | head -n 60 || true  # head closes the pipe early
echo
echo "== DWLOC analysis of SAMPLE (drinking-water levels of comparison) =="
"$acute" --data "$data" --yes analyze --residue SAMPLE.R10 --dwloc \
  --pop 1 --pop 2 --pop 7 --pop 14 \
  --custom "Toddlers 1-2 yrs|1,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|0,0,1,0,2" \
  --dwloc-report SAMPLE --plot SAMPLE --comment "Sample DWLOC run"
