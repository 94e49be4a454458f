#!/usr/bin/env bash
# The full tank against the yardstick, in one run on one machine: atlantis with 50 animals
# (bench/measure-reference.sh) and the tank with 50 fish, bubbles and pellets
# (bench/run-bench.sh), alternated so that a change in the machine's load falls on both alike.
# Prints each pair's CPU milliseconds per frame (each with its X server) and their ratio, tank over
# atlantis: at or below 1.0 the tank costs no more than atlantis.
# Usage: bench/compare-reference.sh [rounds]    (default: 3)
set -euo pipefail
bench=$(dirname "$0")
rounds=${1:-3}

for round in $(seq "$rounds"); do
  atlantis=$("$bench/measure-reference.sh" 10 50 |
    sed -n 's/^CPU ms per frame, atlantis + X server: \([0-9.]*\).*/\1/p')
  tank=$("$bench/run-bench.sh" 10 50 watch |
    sed -n 's/^CPU ms per frame, Wine session + X server: median \([0-9.]*\).*/\1/p')
  awk -v r="$round" -v a="$atlantis" -v t="$tank" 'BEGIN {
    printf "round %d: atlantis %.2f ms, tank %.2f ms, ratio %.2f\n", r, a, t, t / a }'
done
