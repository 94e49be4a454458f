#!/usr/bin/env bash
# Configures and builds the program, the asset generator and the tests for both Windows
# architectures: the 64-bit build in build/x64, then the 32-bit one in build/x86, which also makes
# the setup program from both. An architecture this machine does not run (scripts/arch.sh) gets
# only what the setup program carries: its tests could not run here.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/scripts/arch.sh"
resolve_archs

build_tree() {
  local arch=$1 toolchain=$2 targets=()
  if [ ! -f "$repo/build/$arch/build.ninja" ]; then
    cmake -S "$repo" -B "$repo/build/$arch" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/$toolchain" \
      -DBLUEREEF_HOST_DIR="$repo/build/host"
  fi
  runs_arch "$arch" || targets=(--target BluereefScr BluereefScrSaver)
  [ "$arch" = x64 ] || [ ${#targets[@]} -eq 0 ] || targets+=(installer)
  cmake --build "$repo/build/$arch" "${targets[@]}"
}

build_tree x64 mingw-x86_64.cmake
build_tree x86 mingw-i686.cmake
