#!/usr/bin/env bash
# Installs everything the build, the program and the tests need on Debian 12.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  cmake ninja-build make
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386
  # Wine plays sound through ALSA; the tests send it to a file instead of a sound card.
  libasound2:i386
  libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386 libglu1-mesa:i386
  # Wine loads these at run time; without XComposite a child window's OpenGL frames never reach
  # the screen, and without the others it loses cursors, screen modes and input devices.
  libxcomposite1:i386 libxrender1:i386 libxrandr2:i386 libxinerama1:i386 libxcursor1:i386
  libxi6:i386 libxext6:i386 libxfixes3:i386
  xvfb xserver-xephyr xauth x11-utils xdotool imagemagick
  googletest libgtest-dev libstb-dev
  # makensis makes the Windows setup program.
  nsis
  clang libclang-rt-14-dev
  python3 python3-numpy
)

missing=()
if dpkg --print-foreign-architectures | grep -qx i386; then
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
else
  dpkg --add-architecture i386
  missing=("${packages[@]}")
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
