#!/usr/bin/env bash
# Writes the seed corpus of every fuzz target from the files of small sample data folders.
# Usage: fuzz/seeds.sh ACUTE_PROGRAM SEED_DIR
# SEED_DIR/NAME holds the seeds of target NAME; the folder is made afresh.
set -euo pipefail
acute="$1"
out="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
rm -rf "$out"
mkdir -p "$out"

seed() {  # seed TARGET FILE [NAME]: copies FILE into the seeds of TARGET
  mkdir -p "$out/$1"
  cp "$2" "$out/$1/${3:-$(basename "$2")}"
}

for kind in 2 0; do
  data="$work/kind$kind"
  "$acute" sample-data "$data" --kind "$kind" --persons 6 --seed 1 >/dev/null
  res="$data/residues"
  ext=R10
  [ "$kind" = 0 ] && ext=R98
  for f in "$res"/*."$ext"; do seed residue_file "$f" "k$kind-$(basename "$f")"; done
  for f in "$res"/*; do
    case "$f" in
      *."$ext") ;;
      *.B10 | *.B98) seed batch_file "$f" "k$kind-$(basename "$f")" ;;
      *) seed rdf_setup "$f" "k$kind-$(basename "$f")" ;;
    esac
  done
  seed support_list "$data/TarnSupport.txt" "k$kind-TarnSupport.txt"
  seed setup_file "$data/setupTARNNH.txt" "k$kind-setupTARNNH.txt"
  seed report_specs "$data/AcutSpec.txt" "k$kind-AcutSpec.txt"
  for f in "$data"/survey/*; do seed survey "$f" "k$kind-$(basename "$f")"; done
  # The master-list target reads the first 40 commodities (60 or 62 bytes each) and their
  # food forms (6 bytes each; fewer than 200).
  mkdir -p "$out/master_lists"
  width=62
  [ "$kind" = 0 ] && width=60
  head -c $((40 * width)) "$data/RACLIST.DAT" >"$out/master_lists/k$kind-RACLIST.DAT"
  head -c $((200 * 6)) "$data/FFLIST.DAT" >"$out/master_lists/k$kind-FFLIST.DAT"

  # Pass files of a few kinds of analysis, and the scratch file of the Monte Carlo ones.
  run=0
  analyze() {
    run=$((run + 1))
    rm -f "$data/tarnpass.tmp" "$data/rdfacute.tmp"
    "$acute" --data "$data" --yes analyze "$@" >/dev/null 2>&1 || true
    [ -f "$data/tarnpass.tmp" ] || return 0
    [ -f "$data/results.json" ] && seed results_file "$data/results.json" "k$kind-$run.json"
    seed pass_file "$data/tarnpass.tmp" "k$kind-$run.tmp"
    if [ -f "$data/rdfacute.tmp" ]; then
      mkdir -p "$out/scratch_file"
      { cat "$data/tarnpass.tmp"; printf '\n@@rdfacute.tmp@@\n'; cat "$data/rdfacute.tmp"; } \
        >"$out/scratch_file/k$kind-$run"
    fi
  }
  plain="$(ls "$res" | grep -v MC | grep "\.$ext$" | head -1)"
  analyze --residue "$plain" --pop 1 --pop 3 --comment "a, \"quoted\" comment"
  analyze --residue "$plain" --dwloc --pad --pad-value 10=0.05 --pop 1 --pop 10 \
    --dwloc-report "dw one" --plot plot1
  analyze --residue "$plain" --occasions --per-person --second-adjustment \
    --custom "Toddlers|1,0,0,0,0|1,0,0,0,0|1,0,0,0,0|1,1,0,0,0|1,0,0|0,0,1,0,2"
  for mc in $(ls "$res" | grep "\.$ext$" | grep -v "^$plain$"); do
    analyze --residue "$mc" --mc 2 --seed 1 --rng mt --pop 1
  done
  # Partial bootstrap results: one that holds the main run, one that does not.
  for rounds in 0-1 2-3; do
    "$acute" --data "$data" --yes analyze --residue "$plain" --pop 1 --pop 2 --bootstrap 3 \
      --bootstrap-seed 5 --rounds "$rounds" --json "$out/part.json" >/dev/null 2>&1 || true
    [ -f "$out/part.json" ] && seed partial_results "$out/part.json" "k$kind-$rounds.json"
    rm -f "$out/part.json"
  done
  # The CEC work files of a Monte Carlo run (kind 2): "cec2.tmp", a marker, "expos.tmp";
  # and the same followed by a marker and "cec1.tmp".
  if [ "$kind" = 2 ]; then
    mc="$(ls "$res" | grep "\.$ext$" | grep MC | head -1)"
    "$acute" --data "$data" --yes analyze --residue "$mc" --mc 20 --seed 1 --rng mt --pop 1 \
      --pop 2 --cec cec --cec-low 50 --cec-high 100 --cec-min 1 --cec-quiet >/dev/null 2>&1 || true
    if [ -f "$data/cec2.tmp" ]; then
      mkdir -p "$out/cec_work_files"
      { cat "$data/cec2.tmp"; printf '\n@@expos.tmp@@\n'; cat "$data/expos.tmp"; } \
        >"$out/cec_work_files/k$kind-cec"
      # cec1.tmp: its header and the first records.
      { cat "$out/cec_work_files/k$kind-cec"; printf '\n@@cec1.tmp@@\n'
        awk '{ print } /^9999/ { body = 1 } body && ++n > 40 { exit }' "$data/cec1.tmp"; } \
        >"$out/cec_work_files/k$kind-cec-records"
    fi
  fi
  for s in "0 1 0 .05 0,2,4" "1 0 1 0 4,5,6"; do
    read -r users percap headers minp pct <<<"$s"
    "$acute" --data "$data" specs --users "$users" --per-capita "$percap" --headers "$headers" \
      --min-percent "$minp" --percentiles "$pct" >/dev/null 2>&1 || true
    seed report_specs "$data/AcutSpec.txt" "k$kind-$users$percap$headers-AcutSpec.txt"
  done
done

# The short pass file of a critical exposure re-run (no command writes one yet).
mkdir -p "$out/short_pass_file"
printf 'ACUTE PASS FILE\r\n 1000  .05 "CEC1.TXT"\r\n 0 \r\n 95            99.9 \r\n 0             0             0 \r\n' \
  >"$out/short_pass_file/cec.tmp"
printf 'ACUTE PASS FILE\r\n 20  0 "C:\\out\\my, cec.txt"\r\n 1 \r\n .001          2.5 \r\n 1             1             0 \r\n' \
  >"$out/short_pass_file/cec-amounts.tmp"

# Mixed work-file sets: a choice byte per member (0 run A, 1 run B, 2 missing, 3/4 cut short
# with two length bytes), then the list (0 A's, 1 B's, 2 none, 3 the rest) and the note.
mkdir -p "$out/mixed_work_sets"
printf '\0\0\0\0\0\0\0\0\0\0' >"$out/mixed_work_sets/all-a"
printf '\1\1\1\1\1\1\1\1\1\0' >"$out/mixed_work_sets/all-b"
printf '\1\1\0\1\1\1\1\1\1\0' >"$out/mixed_work_sets/cec1-of-a"
printf '\0\0\0\3\0\40\0\0\0\0\0\0' >"$out/mixed_work_sets/cec2-cut"
printf '\0\0\0\0\0\0\0\0\2\0' >"$out/mixed_work_sets/no-list"
printf '\1\0\0\0\0\0\0\0\0\1acute pending commit 1\nmember\tx.part\tacute.tmp\t-\nmanifest\n' \
  >"$out/mixed_work_sets/pending"
