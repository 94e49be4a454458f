#!/usr/bin/env bash
# The yardstick for bench/run-bench.sh on this machine: xscreensaver's "atlantis" (4 and 50 sharks,
# whales and dolphins, lit and fogged, no textured wall), rendered uncapped by the same Mesa at
# 1024 x 768 on a virtual display of its own. Prints its frames per second (Mesa's HUD) and CPU
# milliseconds per frame of atlantis together with the X server, counted as run-bench.sh counts
# the scene's. Figures of the scene are only comparable with figures taken on the same machine.
# Installs Debian's xscreensaver-gl-extra when atlantis is missing (as root, or with sudo).
# Usage: bench/measure-reference.sh [seconds per run] [animal counts]    (default: 10 "4 50")
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/bench-session.sh"

run_s=${1:-10}
counts=${2:-4 50}
settle_s=3
atlantis=/usr/libexec/xscreensaver/atlantis

if [ ! -x "$atlantis" ]; then
  sudo_if_needed=()
  [ "$(id -u)" -eq 0 ] || sudo_if_needed=(sudo)
  "${sudo_if_needed[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends xscreensaver-gl-extra >/dev/null
fi

work=$(mktemp -d)
trap 'stop_session; rm -rf "$work"' EXIT
start_virtual_display 1024x768
print_load

for count in $counts; do
  hud=$work/hud-$count
  mkdir "$hud"
  vblank_mode=0 GALLIUM_HUD=fps GALLIUM_HUD_VISIBLE=false GALLIUM_HUD_DUMP_DIR="$hud" \
    GALLIUM_HUD_PERIOD=1 "$atlantis" -delay 0 -count "$count" -geometry 1024x768+0+0 \
    >/dev/null 2>&1 &
  program=$!
  sleep "$settle_s"
  first_line=$(($(wc -l < "$hud/fps") + 1))
  ticks_before=$(($(process_ticks "$program") + $(process_ticks "$(xserver_pid)")))
  xserver_before=$(process_ticks "$(xserver_pid)")
  sleep "$run_s"
  ticks=$(($(process_ticks "$program") + $(process_ticks "$(xserver_pid)") - ticks_before))
  xserver_ticks=$(($(process_ticks "$(xserver_pid)") - xserver_before))
  last_line=$(wc -l < "$hud/fps")
  kill "$program"
  wait "$program" 2>/dev/null || true

  sed -n "${first_line},${last_line}p" "$hud/fps" > "$work/window"
  frames=$(awk '{ sum += $1 } END { printf "%.0f", sum }' "$work/window")
  echo
  echo "atlantis -count $count at 1024 x 768, uncapped"
  echo "Frames per second, one figure a second: $(summarize < "$work/window")"
  echo "CPU ms per frame, atlantis + X server: $(ticks_to_ms "$ticks" "$frames")" \
    "(X server $(ticks_to_ms "$xserver_ticks" "$frames"))"
done
