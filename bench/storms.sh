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
run_storm_driver storm "$seconds" "$@"
