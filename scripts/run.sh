#!/usr/bin/env bash
# Installs everything, builds, and runs the aquarium under Wine: on your display when there is
# one, otherwise on a virtual display for a few seconds, saving a screenshot. It runs the 64-bit
# build where the machine runs 64-bit code, the 32-bit one where only that runs (scripts/arch.sh;
# BLUEREEF_ARCHS=x86 chooses the 32-bit one).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/install-deps.sh"
"$repo/scripts/build.sh"

source "$repo/scripts/arch.sh"
resolve_archs
source "$repo/scripts/session.sh"
trap stop_session EXIT
use_arch "${bluereef_archs[0]}"
exe="$repo/build/$BLUEREEF_ARCH/src/BluereefScr.exe"
echo "Running the $([ "$BLUEREEF_ARCH" = x64 ] && echo 64 || echo 32)-bit build: $exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  start_wine
  wine "$exe"
  exit 0
fi

seconds=${BLUEREEF_RUN_SECONDS:-8}
screenshot="$repo/out/screenshot.png"
mkdir -p "$repo/out"
start_virtual_display 1024x768
start_wine
wine "$exe" &
aquarium=$!
sleep "$seconds"
import -window root "$screenshot"
kill "$aquarium" 2>/dev/null || true
echo "No display found: ran the aquarium on a virtual display for $seconds seconds."
echo "Screenshot saved to $screenshot"
