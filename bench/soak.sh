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
run_storm_driver soak "$seconds"
