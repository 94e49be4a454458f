#!/usr/bin/env bash
# Scene benchmark: renders the real view's frames back to back (uncapped: no timer, no pacing, no
# wait for a vertical blank) at 1024 x 768 on a virtual display of its own, and prints
#  - the time from process start to the first presented frame;
#  - the CPU milliseconds per frame of the Wine session (the bench, the Wine server and Wine's
#    helper processes) together with the X server, which receives every buffer swap: median and
#    spread over the batches, and the X server's share;
#  - the wall-clock milliseconds per frame.
# Usage: bench/run-bench.sh [batches] [frames per batch] [mode]
#   (default: 20 batches of 50 frames, watching; the modes are scene_bench's)
# BLUEREEF_BUILD_DIR picks the build directory (default: build/x64, or build/x86 with
# BLUEREEF_ARCHS=x86); BLUEREEF_BENCH_SETTINGS, lines of "Aquarium Settings" (KEY=value, one a
# line), changes the scene from its defaults, and BLUEREEF_BENCH_FISH_EACH the count of every
# kind of fish (4: the tank is full).
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/bench-session.sh"

batches=${1:-20}
frames_per_batch=${2:-50}
mode=${3:-watch}
# A report line this late means the bench is stuck, behind a message box for instance.
line_timeout_s=120

bench_build_target scene_bench
work=$(mktemp -d)
trap 'stop_session; rm -rf "$work"' EXIT
start_virtual_display 1024x768  # the size of the bench's window
start_wine
print_load
echo "Scene as built from $(git -C "$bench_repo" describe --always --dirty)"

# Every kind at 4 makes more than 50 fish: the tank is full.
{
  echo "[Fish Number]"
  for kind in $(seq 0 14); do echo "Fish$kind=${BLUEREEF_BENCH_FISH_EACH:-4}"; done
  echo "[Aquarium Settings]"
  echo "${BLUEREEF_BENCH_SETTINGS:-}"
} > "$WINEPREFIX/drive_c/windows/BluereefScrSet.ini"

launched_us=${EPOCHREALTIME/./}
exec {bench_out}< <(vblank_mode=0 exec wine "$bench_build/bench/scene_bench.exe" "$batches" \
  "$frames_per_batch" "$mode" 2>"$work/errors")
bench_pid=$!

fail() {
  echo "$1; scene_bench's errors:" >&2
  cat "$work/errors" >&2
  exit 1
}

# next_line KIND: reads the bench's next report line into `words`; it must be a KIND line.
next_line() {
  if ! read -r -t "$line_timeout_s" -u "$bench_out" -a words || [ "${words[0]:-}" != "$1" ]; then
    fail "scene_bench stopped reporting before its next '$1' line"
  fi
}

next_line first-frame
first_frame_ms=$(((${EPOCHREALTIME/./} - launched_us) / 1000))
sample_cpu  # the counters at the start of the first batch

total_ticks=0
total_frames=0
echo "batch  CPU ms/frame  of it X server  wall ms/frame"
for _ in $(seq "$batches"); do
  next_line batch  # batch <n> <frames> <render ms> <clock ms>
  sample_cpu
  frames=${words[2]}
  cpu=$(ticks_to_ms "$cpu_ticks_all" "$frames")
  xserver=$(ticks_to_ms "$cpu_ticks_xserver" "$frames")
  wall=$(awk -v ms="${words[3]}" -v n="$frames" 'BEGIN { printf "%.3f", ms / n }')
  printf '%5s  %12s  %14s  %13s\n' "${words[1]}" "$cpu" "$xserver" "$wall"
  echo "$cpu" >> "$work/cpu"
  echo "$xserver" >> "$work/xserver"
  echo "$wall" >> "$work/wall"
  total_ticks=$((total_ticks + cpu_ticks_all))
  total_frames=$((total_frames + frames))
done
next_line fish-steps
fish_steps_ms=${words[1]}
wait "$bench_pid" || fail "scene_bench failed"

echo
echo "$batches batches of $frames_per_batch frames at 1024 x 768, uncapped, $mode: 50 fish, bubbles, pellets"
echo "Process start to first presented frame: $first_frame_ms ms"
echo "CPU ms per frame, Wine session + X server: $(summarize < "$work/cpu")"
echo "  over all $total_frames frames: $(ticks_to_ms "$total_ticks" "$total_frames")"
echo "  of it the X server: $(summarize < "$work/xserver")"
echo "Wall-clock ms per frame: $(summarize < "$work/wall")"
echo "Swimming rules of 50 fish alone (wander, move, walls, boxes, food, collisions): $fish_steps_ms ms per frame"
