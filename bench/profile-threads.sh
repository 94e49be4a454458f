#!/usr/bin/env bash
# Which code of the driver does a frame's work: runs the scene bench (watching, 8 batches of 50
# frames) under `perf record`, which samples every thread of the process it starts, and prints
# the shares of the CPU time by thread and by code: the application's thread (the API, the
# vertex work, triangle set-up and binning) against llvmpipe's rasteriser threads, and in each
# the driver's compiled C code (swrast_dri.so) against the shaders it generates at run time
# ([JIT]). Mesa here has no symbols, so the shares stop at that level.
# Attaching perf to a running Wine process, or sampling the whole machine, sees nothing of Wine
# in this environment; starting the process under perf does.
# BLUEREEF_BENCH_SETTINGS and BLUEREEF_BENCH_FISH_EACH change the scene as for run-bench.sh.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/bench-session.sh"

command -v perf > /dev/null || { echo "perf is missing (Debian: linux-perf)" >&2; exit 2; }
bench_build_target scene_bench
work=$(mktemp -d)
trap 'stop_session; rm -rf "$work"' EXIT
start_virtual_display 1024x768
start_wine
print_load
{
  echo "[Fish Number]"
  for kind in $(seq 0 14); do echo "Fish$kind=${BLUEREEF_BENCH_FISH_EACH:-4}"; done
  echo "[Aquarium Settings]"
  echo "${BLUEREEF_BENCH_SETTINGS:-}"
} > "$WINEPREFIX/drive_c/windows/BluereefScrSet.ini"

vblank_mode=0 perf record -q -e cpu-clock -F 499 -o "$work/perf.data" -- \
  wine "$bench_build/bench/scene_bench.exe" 8 50 watch > /dev/null 2>&1
# The shares by thread and by code, the driver's threads and the rest apart.
perf report -i "$work/perf.data" --no-children --sort comm,dso 2>/dev/null |
  awk '/^ +[0-9.]+%/ {
         share = $1 + 0; thread = $2; code = $3 " " $4
         if (thread ~ /^llvmpipe/) thread = "rasteriser threads"
         else if (thread ~ /scene_bench/) thread = "application thread"
         else thread = "other processes"
         if (code ~ /JIT/) code = "generated shaders"
         else if (code ~ /swrast_dri/) code = "driver (swrast_dri.so)"
         else if (code ~ /kernel/) code = "kernel"
         else code = "everything else"
         sum[thread " / " code] += share
       }
       END { for (k in sum) printf "%6.1f%%  %s\n", sum[k], k }' | sort -rn
