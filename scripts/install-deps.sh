#!/usr/bin/env bash
# Installs everything the build, the program and the tests need on Debian 12, for the Windows
# architectures this machine runs (scripts/arch.sh): Wine's 64-bit half and the 64-bit libraries it
# loads for x64, the i386 ones only where 32-bit code runs. Both builds are made everywhere (the
# setup program carries both), so both cross-compilers are always installed.
# Safe to run again: packages already present are left alone.
set -euo pipefail
source "$(dirname "$0")/arch.sh"
resolve_archs

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
  case $arch in
    x64) packages+=(wine wine64 "${wine_libraries[@]}") ;;
    x86) packages+=(wine wine32:i386 "${wine_libraries[@]/%/:i386}") ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  if runs_arch x86 && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
  fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
