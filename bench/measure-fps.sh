#!/usr/bin/env bash
# Frame rate of the real program: runs BluereefScr.exe as a user would, on a 1024 x 768 virtual
# display of its own, and prints the frames per second that Mesa's HUD counts in each second
# (the start-up seconds left out) and the CPU use of the Wine session (the program, the Wine
# server and Wine's helper processes) and the X server over the same seconds, in % of one core;
# then the program's resident memory at the end, and where the most of it lies.
# Usage: bench/measure-fps.sh [seconds]    (default: 20)
# BLUEREEF_SCREEN picks the virtual display's size (default: 1024x768).
# BLUEREEF_PROGRAM=empty_view measures the floor instead: an OpenGL window of the same pixel format
# and pacing that only clears and presents (bench/EmptyView.cpp).
# BLUEREEF_BUILD_DIR picks the build directory (default: build/x64, or build/x86 with
# BLUEREEF_ARCHS=x86).
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/bench-session.sh"

run_s=${1:-20}
# Left out of the figures: scene set-up, the fish ramp and the HUD's first period.
settle_s=5
if [ "$run_s" -le "$settle_s" ]; then
  echo "usage: $0 [seconds, more than $settle_s]" >&2
  exit 2
fi

program_name=${BLUEREEF_PROGRAM:-BluereefScr}
case $program_name in
  BluereefScr) program_file=$bench_build/src/BluereefScr.exe ;;
  empty_view) program_file=$bench_build/bench/empty_view.exe ;;
  *) echo "BLUEREEF_PROGRAM: BluereefScr or empty_view" >&2; exit 2 ;;
esac
bench_build_target "$program_name"
work=$(mktemp -d)
trap 'stop_session; rm -rf "$work"' EXIT
screen=${BLUEREEF_SCREEN:-1024x768}
start_virtual_display "$screen"
start_wine
print_load
echo "Program as built from $(git -C "$bench_repo" describe --always --dirty)"

fail() {
  echo "$1; the program's output:" >&2
  cat "$work/program.log" >&2
  exit 1
}

# Mesa's heads-up display, kept hidden, appends the frame rate of every one-second period to the
# file "fps" in its dump directory.
fps_file=$work/fps
GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_DUMP_DIR="$work" GALLIUM_HUD_PERIOD=1 \
  wine "$program_file" >"$work/program.log" 2>&1 &
program=$!

sleep "$settle_s"
[ -f "$fps_file" ] || fail "Mesa's HUD wrote no frame rates to $fps_file"
first_line=$(($(wc -l < "$fps_file") + 1))
sample_cpu
window_start_us=${EPOCHREALTIME/./}
sleep $((run_s - settle_s))
sample_cpu
window_ms=$(((${EPOCHREALTIME/./} - window_start_us) / 1000))
last_line=$(wc -l < "$fps_file")
kill -0 "$program" 2>/dev/null || fail "The program ended by itself"
# The program's own process among the session's: Wine names a 32-bit program by its Unix path
# and a 64-bit one by its Windows path, but both by the file's name.
program_pid=$(for pid in $(wine_session_pids); do
  grep -qa "$program_name\\.exe" "/proc/$pid/cmdline" 2>/dev/null && echo "$pid"
done | head -1)
[ -n "$program_pid" ] || fail "The program's process was not found"
# Resident kilobytes by what is mapped: a file's name, or the kind of anonymous memory.
awk '/^[0-9a-f]+-[0-9a-f]+ / { name = $6 == "" ? "(anonymous: heaps, textures, buffers)" : $6 }
     /^Rss:/ { rss[name] += $2; total += $2 }
     END { printf "%d\n", total; for (n in rss) printf "%d %s\n", rss[n], n }' \
  "/proc/$program_pid/smaps" > "$work/memory"
peak_kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$program_pid/status")
kill "$program"
wait "$program" 2>/dev/null || true

sed -n "${first_line},${last_line}p" "$fps_file" > "$work/window"
[ -s "$work/window" ] || fail "Mesa's HUD wrote no frame rate during the measurement"
cpu_ms=$(ticks_to_ms "$cpu_ticks_all")
frames=$(awk '{ sum += $1 } END { printf "%.0f", sum }' "$work/window")

echo
echo "$program_name.exe at ${screen/x/ x }, seconds $settle_s to $run_s after its start"
echo "Frames per second, one figure a second: $(summarize < "$work/window")"
echo "  each second: $(tr '\n' ' ' < "$work/window")"
awk -v cpu="$cpu_ms" -v xs="$(ticks_to_ms "$cpu_ticks_xserver")" -v ms="$window_ms" -v f="$frames" \
  'BEGIN {
    printf "CPU use, Wine session + X server: %.1f%% of one core (X server %.1f%%)\n", 100 * cpu / ms, 100 * xs / ms
    if (f > 0) printf "  %.2f CPU ms per frame\n", cpu / f
  }'
echo "Resident memory of the program: $(($(head -1 "$work/memory") / 1024)) MB (peak $((peak_kb / 1024)) MB); the largest shares:"
tail -n +2 "$work/memory" | sort -rn | head -8 | awk '{ kb = $1; $1 = ""; printf "  %6.1f MB %s\n", kb / 1024, $0 }'
