#!/usr/bin/env bash
# Configures and builds the program, the asset generator and the tests into build/.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -f "$repo/build/build.ninja" ]; then
  cmake -S "$repo" -B "$repo/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-i686.cmake"
fi
cmake --build "$repo/build"
