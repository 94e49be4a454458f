# Sourced by the run and test scripts: a virtual X display and a running Wine server for each of
# the project's prefixes in use, all stopped again when the calling script exits.
# shellcheck shell=bash
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

session_pids=()
session_prefixes=()

stop_session() {
  local prefix
  for prefix in "${session_prefixes[@]}"; do
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  done
  session_prefixes=()
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

# prepare_x11_driver: puts the corrected copies of Wine's X11 driver (see wine-env.sh) that the
# prefix's programs load where Wine finds them, under the name winex11fix.drv: the 64-bit one and,
# where Wine's 32-bit half is installed, the 32-bit one in a 64-bit prefix; the 32-bit one in a
# 32-bit prefix. Fails, leaving Wine's own driver in use, for any Wine build but the one whose fault
# it corrects.
prepare_x11_driver() {
  local system=$WINEPREFIX/drive_c/windows
  if [ "$WINEARCH" = win32 ]; then
    correct_x11_driver i386 "$system/system32"
    return
  fi
  correct_x11_driver x86_64 "$system/system32" || return 1
  [ ! -e /usr/lib/i386-linux-gnu/wine/i386-unix/winex11.so ] ||
    correct_x11_driver i386 "$system/syswow64"
}

# correct_x11_driver CPU SYSTEM_FOLDER: makes the corrected driver of one CPU (i386 or x86_64)
# from Wine's own, checked by checksum before and after, and lets the prefix's programs of that
# CPU, whose system folder is SYSTEM_FOLDER, load it.
correct_x11_driver() {
  local cpu=$1 lib=/usr/lib/$1-linux-gnu/wine dir=$BLUEREEF_X11DRV_DIR
  local broken fixed offset code
  case $cpu in
    # At 0x39d00, where the search has found no ancestor with an X window, X11DRV_GetDC compares
    # the drawable of the last ancestor tried (0) with the top-level's, finds them different and
    # keeps the 0. Replace that with: drawable = top-level's X window; continue to the escape.
    #   mov 0xc(%esp),%eax; mov %eax,0x28(%esp); jmp 39cd3
    i386)
      broken=31cc53692db2a172f72446cf85627e6e304767ba712d9af33bddeabf25e0a42b
      fixed=d2a84a2101a47f3a3e25fb100efbb0d85c9b99fc3ccaea9e36ecfcd525083118
      offset=0x39d00 code='\x8b\x44\x24\x0c\x89\x44\x24\x28\xeb\xc9' ;;
    # The same fall-back block of the 64-bit driver, at 0x42d58, where %r14 holds the top-level's
    # X window and 0x38(%rsp) the drawable:
    #   mov %r14,0x38(%rsp); jmp 42d1c
    x86_64)
      broken=c5e787f9337ab2768486aab5fdb4ee320756140ab53a0e16353181c881f0660b
      fixed=7e8a8c1500ee4212e9da6f11f1dd1014d9b3c702c6c692a9338256bf1a4a030b
      offset=0x42d58 code='\x4c\x89\x74\x24\x38\xeb\xbd' ;;
  esac
  if [ "$(sha256sum 2>/dev/null <"$dir/$cpu-unix/winex11fix.so" | cut -d' ' -f1)" != "$fixed" ]; then
    [ "$(sha256sum 2>/dev/null <"$lib/$cpu-unix/winex11.so" | cut -d' ' -f1)" = "$broken" ] ||
      return 1
    mkdir -p "$dir/$cpu-unix" "$dir/$cpu-windows"
    local patched="$dir/$cpu-unix/winex11fix.so.$$"
    cp "$lib/$cpu-unix/winex11.so" "$patched"
    # shellcheck disable=SC2059  # the code is printf's format: its escapes are the bytes
    printf "$code" | dd of="$patched" bs=1 seek=$((offset)) conv=notrunc status=none
    [ "$(sha256sum <"$patched" | cut -d' ' -f1)" = "$fixed" ] || { rm -f "$patched"; return 1; }
    mv "$patched" "$dir/$cpu-unix/winex11fix.so"
  fi
  place_copy "$lib/$cpu-windows/winex11.drv" "$dir/$cpu-windows/winex11fix.drv"
  # Wine loads a library by a name it does not ship only if the prefix holds a file of that name.
  place_copy "$lib/$cpu-windows/winex11.drv" "$2/winex11fix.drv"
}

# place_copy SOURCE TARGET: makes TARGET a copy of SOURCE unless it already is one. The copy is
# renamed into place, never rewritten where it stands: running programs may have it loaded.
place_copy() {
  cmp -s "$1" "$2" && return 0
  cp "$1" "$2.$$" && mv "$2.$$" "$2"
}

# use_arch ARCH: points this shell's Wine settings at the prefix of architecture ARCH (x64, x86).
use_arch() {
  BLUEREEF_ARCH=$1
  source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
}

# start_wine: creates the current prefix on first use and keeps one Wine server running for it for
# the session, so that each program start costs milliseconds instead of seconds.
start_wine() {
  session_prefixes+=("$WINEPREFIX")
  wineserver -k 2>/dev/null || true  # a server left over from an interrupted run
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w  # the server that made the prefix must be gone before a persistent one starts
  fi
  local graphics=x11
  prepare_x11_driver && graphics=x11fix
  # The desktop process chooses its graphics driver once, when it starts: change the choice, and let
  # that server and desktop end, before the session's server starts.
  if ! grep -qx "\"Graphics\"=\"$graphics\"" "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d "$graphics" /f >/dev/null 2>&1
    wineserver -w
  fi
  wineserver -p
  wineboot >/dev/null 2>&1
  # A virtual display has no window manager to carry out maximising: let Wine place its windows
  # itself, as Windows does.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
}
