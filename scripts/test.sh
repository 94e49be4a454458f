#!/usr/bin/env bash
# Installs everything, builds, and runs all tests (unit and end-to-end) under Wine, for every
# Windows architecture this machine runs (scripts/arch.sh; BLUEREEF_ARCHS=x64 restricts the run to
# one), on a virtual display that this script starts and stops itself. One CTest run holds both
# builds' tests, each named after its architecture (x64.unit.settings, x86.e2e.shell).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/install-deps.sh"
"$repo/scripts/build.sh"

source "$repo/scripts/arch.sh"
resolve_archs
echo "Testing the Windows architectures this machine runs: ${bluereef_archs[*]}"
runs_arch x86 ||
  echo "32-bit code is not run here: the 32-bit build's tests and the setup program's are skipped"

source "$repo/scripts/session.sh"
trap stop_session EXIT
# Each architecture has a display, a prefix and a Wine server of its own: its tests share nothing
# with the other's and run beside them.
for arch in "${bluereef_archs[@]}"; do
  start_virtual_display 1024x768
  export "BLUEREEF_DISPLAY_$arch=$DISPLAY"
  use_arch "$arch"
  start_wine
done

{
  echo "# The builds whose tests this machine runs, written by scripts/test.sh."
  for arch in "${bluereef_archs[@]}"; do echo "subdirs(\"$arch\")"; done
} > "$repo/build/CTestTestfile.cmake"
# Both suites in full take longer than a test run may. Every unit test runs on both; the
# end-to-end tests that drive the same code through long scenes (modes, music, the screen saver's
# modes, other screens, the storms) run on the 64-bit build only when both run, the build the
# machine runs.
# BLUEREEF_ARCHS=x86 runs all of them on the 32-bit one.
exclude=()
if [ ${#bluereef_archs[@]} -gt 1 ]; then
  exclude=(-E '^x86\.e2e\.(interaction|media|screensaver|screens|storms)$')
  echo "Run on x64 only: x86.e2e.interaction, x86.e2e.media, x86.e2e.screensaver, x86.e2e.screens, x86.e2e.storms"
fi
cd "$repo/build"
ctest --output-on-failure --parallel 2 "${exclude[@]}" "$@"
