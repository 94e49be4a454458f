#!/usr/bin/env bash
# Installs everything the build, the program and the tests need on Debian 12, for the Windows
# architectures this machine runs (scripts/arch.sh): Wine's 64-bit half and the 64-bit libraries it
# loads for x64, the i386 ones only where 32-bit code runs. Both builds are made everywhere (the
# setup program carries both), so both cross-compilers are always installed.
# Safe to run again: packages already present are left alone.
set -euo pipefail
source "$(dirname "$0")/arch.sh"
resolve_archs --to-install

packages=(
  cmake ninja-build make
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  xvfb xserver-xephyr xauth x11-utils xdotool imagemagick
  googletest libgtest-dev libstb-dev
  # makensis makes the Windows setup program.
  nsis
  clang libclang-rt-14-dev
  python3 python3-numpy
)
# What Wine of one word size loads at run time besides itself: OpenGL (Mesa), sound through ALSA
# (the tests send it to a file instead of a sound card), and the X libraries without which a
# child window's OpenGL frames never reach the screen (XComposite) or Wine loses cursors, screen
# modes and input devices.
wine_libraries=(libasound2 libgl1 libglx-mesa0 libgl1-mesa-dri libglu1-mesa libxcomposite1
  libxrender1 libxrandr2 libxinerama1 libxcursor1 libxi6 libxext6 libxfixes3)
for arch in "${bluereef_archs[@]}"; do
  [ "$arch" = x86 ] || packages+=(wine wine64 "${wine_libraries[@]}")
done
# The 32-bit Wine is installed on its own, after the rest: its i386 packages must match the
# versions of their 64-bit twins exactly, which a mirror in the middle of a sync cannot always
# give. Without it the 32-bit build is still built, but not run (scripts/arch.sh).
x86_packages=()
runs_arch x86 && x86_packages=(wine wine32:i386 "${wine_libraries[@]/%/:i386}")

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
updated=false

# install_packages PACKAGE...: installs those of the packages that are not installed yet.
install_packages() {
  local missing=() p attempt
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "Installing: ${missing[*]}"
  if ! $updated; then
    # A mirror caught in the middle of a sync serves an index or two that fail their check:
    # they are fetched again a few times, and the install goes on with what did arrive.
    for attempt in 1 2 3; do
      "${sudo_cmd[@]}" apt-get update -qq && break
      [ "$attempt" -eq 3 ] || sleep 20
    done
    updated=true
  fi
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

if [ ${#x86_packages[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
install_packages "${packages[@]}"
if [ ${#x86_packages[@]} -gt 0 ] && ! install_packages "${x86_packages[@]}"; then
  echo "The 32-bit Wine could not be installed from this machine's package sources (above):" \
       "the 32-bit build is built but not run or tested here." >&2
fi
