# Sourced by the benchmark scripts: their build, their Wine session, the CPU counters of every
# process that works for the picture on screen, and the statistics they print.
# shellcheck shell=bash
bench_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The architecture: that of the build directory BLUEREEF_BUILD_DIR names, or else as the run script
# chooses it, the 64-bit build where the machine runs it (BLUEREEF_ARCHS=x86: the 32-bit one).
if [ -f "${BLUEREEF_BUILD_DIR:-}/CMakeCache.txt" ]; then
  export BLUEREEF_ARCH=x64
  ! grep -q '^CMAKE_TOOLCHAIN_FILE.*mingw-i686' "$BLUEREEF_BUILD_DIR/CMakeCache.txt" ||
    BLUEREEF_ARCH=x86
else
  source "$bench_repo/scripts/arch.sh"
  resolve_archs
  export BLUEREEF_ARCH=${bluereef_archs[0]}
fi
bench_build=${BLUEREEF_BUILD_DIR:-$bench_repo/build/$BLUEREEF_ARCH}
# Wine takes only an absolute prefix, and the prefix lies in the build directory.
mkdir -p "$bench_build"
bench_build=$(cd "$bench_build" && pwd)
# A prefix of the benchmarks' own: starting a session stops the Wine server of its prefix, and
# that must never be the server the tests are using.
export BLUEREEF_WINEPREFIX=${BLUEREEF_WINEPREFIX:-$bench_build/bench-wine}
source "$bench_repo/scripts/session.sh"
bench_toolchain=$([ "$BLUEREEF_ARCH" = x64 ] && echo mingw-x86_64.cmake || echo mingw-i686.cmake)

clock_ticks_per_s=$(getconf CLK_TCK)

# bench_build_target TARGET: configures the build directory on first use, then builds TARGET.
bench_build_target() {
  if [ ! -f "$bench_build/build.ninja" ]; then
    cmake -S "$bench_repo" -B "$bench_build" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$bench_repo/cmake/$bench_toolchain"
  fi
  cmake --build "$bench_build" --target "$1"
}

# The X server of this session, from the lock file it keeps for its display.
xserver_pid() {
  local pid
  read -r pid < "/tmp/.X${DISPLAY#:}-lock"
  echo "$pid"
}

# Every Wine process of this session's prefix: the program, the Wine server and Wine's helper
# processes (services, explorer, the device and RPC hosts). The scripts themselves carry the
# prefix in their environment too, so only Wine's own binaries count.
wine_session_pids() {
  local environs
  environs=$(find /proc/[0-9]*/exe -maxdepth 0 -lname '*wine*' -printf '%h/environ\n' 2>/dev/null ||
    true)
  [ -n "$environs" ] || return 0
  # shellcheck disable=SC2086  # one path a word
  grep -lzx "WINEPREFIX=$WINEPREFIX" $environs 2>/dev/null | cut -d/ -f3 || true
}

# process_ticks PID: the user + system CPU time of one process so far, in clock ticks; fails when
# the process is gone.
process_ticks() {
  local stat fields
  { read -r stat < "/proc/$1/stat"; } 2>/dev/null || return 1
  # shellcheck disable=SC2206  # the fields after the name, which may contain spaces
  fields=(${stat##*) })
  echo $((fields[11] + fields[12]))  # utime and stime
}

declare -A cpu_ticks_seen=()
cpu_ticks_all=0     # set by sample_cpu
cpu_ticks_xserver=0

# sample_cpu: sets cpu_ticks_all to the CPU time (user + system, in clock ticks) that the Wine
# session and the X server used since the previous call, and cpu_ticks_xserver to the X server's
# share. A process that started in between counts from its start; the time of one that ended in
# between since the previous call is missed.
# shellcheck disable=SC2034  # the results are read by the scripts that source this file
sample_cpu() {
  local xserver pid total ticks
  local -A now=()
  xserver=$(xserver_pid)
  cpu_ticks_all=0
  cpu_ticks_xserver=0
  for pid in $xserver $(wine_session_pids); do
    total=$(process_ticks "$pid") || continue
    now[$pid]=$total
    ticks=$((total - ${cpu_ticks_seen[$pid]:-0}))
    cpu_ticks_all=$((cpu_ticks_all + ticks))
    [ "$pid" != "$xserver" ] || cpu_ticks_xserver=$ticks
  done
  cpu_ticks_seen=()
  for pid in "${!now[@]}"; do
    cpu_ticks_seen[$pid]=${now[$pid]}
  done
}

# ticks_to_ms TICKS [DIVISOR]: CPU clock ticks in milliseconds, divided by DIVISOR (a frame count).
ticks_to_ms() {
  awk -v t="$1" -v n="${2:-1}" -v hz="$clock_ticks_per_s" 'BEGIN { printf "%.3f", t * 1000 / hz / n }'
}

# summarize: reads one number a line and prints "median M, min A, max B, IQR Q1-Q3", the
# quartiles interpolated between the sorted values.
summarize() {
  sort -g | awk '
    { v[NR] = $1 }
    function at(p,   h, i) {
      h = (NR - 1) * p + 1; i = int(h)
      return i >= NR ? v[NR] : v[i] + (h - i) * (v[i + 1] - v[i])
    }
    END { printf "median %.2f, min %.2f, max %.2f, IQR %.2f-%.2f\n", at(0.5), v[1], v[NR], at(0.25), at(0.75) }'
}

# What else the machine was doing: the figures are only comparable under similar load.
print_load() {
  local one five fifteen _
  read -r one five fifteen _ < /proc/loadavg
  echo "Load average before the run: $one $five $fifteen on $(nproc) cores"
}

# run_storm_driver ARGS...: bench/storm.py with ARGS against the program as built, on a display
# and Wine server of this session's own, stopped when the calling script ends.
run_storm_driver() {
  bench_build_target BluereefScr
  bench_build_target winprobe
  trap 'stop_session' EXIT
  start_virtual_display 1024x768
  start_wine
  print_load
  echo "Program as built from $(git -C "$bench_repo" describe --always --dirty) ($BLUEREEF_ARCH)"
  BLUEREEF_EXE=$bench_build/src/BluereefScr.exe WINPROBE_EXE=$bench_build/tests/e2e/winprobe.exe \
    /usr/bin/python3 "$bench_repo/bench/storm.py" "$@"
}
