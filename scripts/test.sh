#!/usr/bin/env bash
# Installs everything, builds, and runs all tests (unit and end-to-end) under Wine on a virtual
# display that this script starts and stops itself.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/install-deps.sh"
"$repo/scripts/build.sh"

source "$repo/scripts/session.sh"
trap stop_session EXIT
start_virtual_display 1024x768
start_wine

cd "$repo/build"
ctest --output-on-failure --parallel 2 "$@"
