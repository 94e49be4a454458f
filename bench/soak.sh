#!/usr/bin/env bash
# The program left running with a show of ten of the user's pictures changing every second and a
# list of three own tunes playing in repeat-all (bench/storm.py): its memory, the Wine server's,
# its open files and the settings file's size every minute, and at the end whether the music is
# still heard and the program still answers.
# Usage: bench/soak.sh [seconds]    (default: 3600)
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/bench-session.sh"

seconds=${1:-3600}
bench_build_target BluereefScr
bench_build_target winprobe
trap 'stop_session' EXIT
start_virtual_display 1024x768
start_wine
print_load
echo "Program as built from $(git -C "$bench_repo" describe --always --dirty) ($BLUEREEF_ARCH)"
export BLUEREEF_EXE=$bench_build/src/BluereefScr.exe
export WINPROBE_EXE=$bench_build/tests/e2e/winprobe.exe
/usr/bin/python3 "$bench_repo/bench/storm.py" soak "$seconds"
