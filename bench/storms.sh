#!/usr/bin/env bash
# Random real input against the real program with each dialog and the menu in use: clicks, double
# clicks, drags on sliders and lists, keys, the dialogs opened and closed, modes switched in
# between (bench/storm.py). For each target it prints whether the program stayed alive and
# answered, whether every settings file it wrote on the way loads, and its memory and open files
# before and after.
# Usage: bench/storms.sh [seconds per target] [targets]
#   (default: 300 seconds each for fish settings music background menu)
# BLUEREEF_STORM_SEED picks another sequence of input (default 1).
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/bench-session.sh"

seconds=${1:-300}
shift || true
bench_build_target BluereefScr
bench_build_target winprobe
trap 'stop_session' EXIT
start_virtual_display 1024x768
start_wine
print_load
echo "Program as built from $(git -C "$bench_repo" describe --always --dirty) ($BLUEREEF_ARCH)"
export BLUEREEF_EXE=$bench_build/src/BluereefScr.exe
export WINPROBE_EXE=$bench_build/tests/e2e/winprobe.exe
/usr/bin/python3 "$bench_repo/bench/storm.py" storm "$seconds" "$@"
