#!/usr/bin/env bash
# Start to first frame, against its floor: starts the scene bench (the real view with its set-up,
# settings, assets and a full tank) and the empty OpenGL window (bench/EmptyView.cpp) in turn on one
# virtual display with the Wine server already running, and prints the wall-clock milliseconds
# from each launch to its first presented frame, with the median of each.
# Usage: bench/measure-start.sh [runs of each]    (default: 5)
# BLUEREEF_BUILD_DIR picks the build directory (default: build/x64, or build/x86 with
# BLUEREEF_ARCHS=x86).
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/bench-session.sh"

runs=${1:-5}
# A first frame this late means the program is stuck, behind a message box for instance.
line_timeout_s=60

bench_build_target scene_bench
bench_build_target empty_view
work=$(mktemp -d)
trap 'stop_session; rm -rf "$work"' EXIT
start_virtual_display 1024x768
start_wine
print_load
echo "Built from $(git -C "$bench_repo" describe --always --dirty)"

# first_frame_ms PROGRAM ARGUMENTS...: launches the program, waits for its "first-frame" line and
# stops it; prints the milliseconds in between.
first_frame_ms() {
  local launched_us line pid
  launched_us=${EPOCHREALTIME/./}
  exec {out}< <(vblank_mode=0 exec wine "$@" 2>"$work/errors")
  pid=$!
  while read -r -t "$line_timeout_s" -u "$out" line; do
    if [[ $line == first-frame* ]]; then
      echo $(((${EPOCHREALTIME/./} - launched_us) / 1000))
      break
    fi
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  exec {out}<&-
  # The killed process's Windows side is left a moment to go before the next start.
  sleep 2
}

# Every kind at 4: the tank is full.
{
  echo "[Fish Number]"
  for kind in $(seq 0 14); do echo "Fish$kind=4"; done
} > "$WINEPREFIX/drive_c/windows/BluereefScrSet.ini"

: > "$work/scene"
: > "$work/empty"
for run in $(seq "$runs"); do
  scene=$(first_frame_ms "$bench_build/bench/scene_bench.exe" 1 1 watch)
  empty=$(first_frame_ms "$bench_build/bench/empty_view.exe")
  [ -n "$scene" ] && [ -n "$empty" ] || { cat "$work/errors" >&2; exit 1; }
  echo "run $run: scene bench $scene ms, empty window $empty ms"
  echo "$scene" >> "$work/scene"
  echo "$empty" >> "$work/empty"
done
echo "Start to first frame, scene bench: $(summarize < "$work/scene")"
echo "Start to first frame, empty OpenGL window: $(summarize < "$work/empty")"
