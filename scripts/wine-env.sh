# Sourced by the scripts: the project's own Wine prefix for one architecture, BLUEREEF_ARCH (x64,
# the default, or x86), and quiet, prompt-free Wine start-up. Each architecture has a prefix of its
# own: a 64-bit prefix runs 64-bit programs (and 32-bit ones where Wine's 32-bit half is
# installed), a 32-bit prefix only 32-bit ones.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BLUEREEF_ARCH="${BLUEREEF_ARCH:-x64}"
case $BLUEREEF_ARCH in
  x64) export WINEARCH=win64 ;;
  x86) export WINEARCH=win32 ;;
  *) echo "BLUEREEF_ARCH is x64 or x86, not '$BLUEREEF_ARCH'" >&2; return 1 ;;
esac
export WINEPREFIX="${BLUEREEF_WINEPREFIX:-$repo_root/.wine-$BLUEREEF_ARCH}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"

# Debian 12's Wine 8.0 (8.0~repack-4) gives the device context of every child window the X drawable
# 0: one of its patches to X11DRV_GetDC lets the search for an ancestor's X window overwrite the
# top-level window it had already found. The frames of an OpenGL child window are then copied to no
# window at all and the screen stays black. start_wine therefore runs Wine with a copy of the X11
# driver whose search falls back to the top-level window again, as upstream Wine's does. Wine looks
# for that copy here; its own libraries are still searched first.
export BLUEREEF_X11DRV_DIR="$repo_root/.wine-x11drv"
case ":${WINEDLLPATH:-}:" in
  *":$BLUEREEF_X11DRV_DIR:"*) ;;
  *) export WINEDLLPATH="$BLUEREEF_X11DRV_DIR${WINEDLLPATH:+:$WINEDLLPATH}" ;;
esac
