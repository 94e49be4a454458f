# Sourced by the run and test scripts: a virtual X display and a running Wine server for the
# project's prefix, both stopped again when the calling script exits.
# shellcheck shell=bash
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

session_pids=()

stop_session() {
  wineserver -k 2>/dev/null || true
  for pid in "${session_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  session_pids=()
}

# start_virtual_display WIDTHxHEIGHT: starts Xvfb on a free display number and exports DISPLAY.
start_virtual_display() {
  local size=$1 number=90
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
  done
  Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  session_pids+=($!)
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$number" ] && break
    sleep 0.1
  done
  export DISPLAY=":$number"
}

# start_wine: creates the prefix on first use and keeps one Wine server running for the session,
# so that each program start costs milliseconds instead of seconds.
start_wine() {
  wineserver -k 2>/dev/null || true  # a server left over from an interrupted run
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w  # the server that made the prefix must be gone before a persistent one starts
  fi
  wineserver -p
  wineboot >/dev/null 2>&1
  # A virtual display has no window manager to carry out maximising: let Wine place its windows
  # itself, as Windows does.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
}
