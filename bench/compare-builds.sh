#!/usr/bin/env bash
# Two builds of the program side by side, so that a change can be shown to make nothing worse:
# for each, the scene bench in every interaction mode (CPU ms per frame, median) and the time to
# the first frame, then the real program's frame rate, CPU use and resident memory
# (bench/measure-fps.sh). The builds alternate, round by round, so that a change in the
# machine's load falls on both alike.
# Usage: bench/compare-builds.sh BEFORE_BUILD_DIR [AFTER_BUILD_DIR] [rounds]
#   (default: this tree's build/x64, 2 rounds; build/x86 against build/x64 compares the two
#   architectures). Each build directory is built from the sources it
#   was configured with, and measured with this tree's scripts.
set -euo pipefail
bench=$(dirname "$0")
before=${1:?usage: $0 BEFORE_BUILD_DIR [AFTER_BUILD_DIR] [rounds]}
after=${2:-$(cd "$bench/.." && pwd)/build/x64}
rounds=${3:-2}
modes=(watch touch-clicks feed-clicks ripple)

for round in $(seq "$rounds"); do
  for build in "$before" "$after"; do
    label=$([ "$build" = "$before" ] && echo before || echo after)
    for mode in "${modes[@]}"; do
      BLUEREEF_BUILD_DIR=$build "$bench/run-bench.sh" 10 50 "$mode" |
        awk -v r="$round" -v l="$label" -v m="$mode" '
          /^Process start to first presented frame/ { first = $(NF - 1) }
          /^CPU ms per frame, Wine session/ { split($0, a, "median "); split(a[2], b, ","); cpu = b[1] }
          END { printf "round %d %-6s %-12s CPU %6s ms/frame  first frame %5s ms\n", r, l, m, cpu, first }'
    done
    BLUEREEF_BUILD_DIR=$build "$bench/measure-fps.sh" 15 |
      awk -v r="$round" -v l="$label" '
        /^Frames per second/ { split($0, a, "median "); split(a[2], b, ","); fps = b[1] }
        /^CPU use/ { split($0, a, "server: "); split(a[2], b, " "); cpu = b[1] }
        /^Resident memory/ { split($0, a, "program: "); split(a[2], b, " "); mem = b[1] }
        END { printf "round %d %-6s program      %s fps  CPU %s of one core  resident %s MB\n", r, l, fps, cpu, mem }'
  done
done
