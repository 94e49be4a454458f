#!/usr/bin/env bash
# Where a frame's CPU time goes, pass by pass: the full tank (bench/run-bench.sh, watching), then
# the same scene with one part left out at a time, through the settings a user has. A pass costs
# what leaving it out saves. Each scene is run twice, alternating, so that a change in the
# machine's load falls on all of them alike; the script prints the median of each scene's runs.
# Usage: bench/profile-passes.sh [batches]    (default: 10 batches of 50 frames a run)
set -euo pipefail
bench=$(dirname "$0")
batches=${1:-10}

# name | fish of each kind | settings
scenes=(
  "full tank|4|"
  "no fish|0|"
  "no bubbles|4|QIPAONUM=110"
  "flat wall, not the backdrop|4|BACKGROUND=1"
  "flat wall alone: clear, wall, swap|0|BACKGROUND=1
QIPAONUM=110"
)

declare -A figures=()
for _ in 1 2; do
  for scene in "${scenes[@]}"; do
    IFS='|' read -r -d '' name fish settings <<< "$scene" || true
    cpu=$(BLUEREEF_BENCH_FISH_EACH=$fish BLUEREEF_BENCH_SETTINGS=${settings%$'\n'} \
      "$bench/run-bench.sh" "$batches" 50 watch |
      sed -n 's/^CPU ms per frame, Wine session + X server: median \([0-9.]*\).*/\1/p')
    figures[$name]+="$cpu "
  done
done
for scene in "${scenes[@]}"; do
  name=${scene%%|*}
  printf '%-36s %s ms  (runs: %s)\n' "$name" \
    "$(tr ' ' '\n' <<< "${figures[$name]}" | sort -n | awk 'NF { v[++n] = $1 } END {
      printf "%.2f", n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2 }')" \
    "${figures[$name]% }"
done
