#!/usr/bin/env bash
# The program's main job on the sample data folder.
set -euo pipefail
acute="$1"
data="$2"
"$acute" --data "$data" residues
