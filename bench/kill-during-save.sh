#!/usr/bin/env bash
# What a kill in the middle of a save leaves of the settings file: runs bench/SaveLoop.cpp, which
# saves the settings dialog's keys in a loop alternating between two complete sets of values,
# kills it (SIGKILL, as a crash, a logged-off session or the task manager does) at a random moment
# after its first complete save, and reads the file back. Each file left is counted as whole (one
# set of values exactly), mixed (every key there, some from each set: a save cut between two keys)
# or broken (a key missing or unreadable, or the file empty: the next start would load defaults);
# and the unfinished copies of the file that the killed processes left beside it.
# Usage: bench/kill-during-save.sh [kills]    (default: 200)
# BLUEREEF_KEEP_FILES=1 keeps the files left, and says where.
# BLUEREEF_BUILD_DIR picks the build directory (default: build/x64, or build/x86 with
# BLUEREEF_ARCHS=x86).
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/bench-session.sh"

kills=${1:-200}
bench_build_target save_loop
work=$(mktemp -d)
trap 'pkill -9 -f "save_loop\.exe" 2>/dev/null || true; stop_session; [ -n "${BLUEREEF_KEEP_FILES:-}" ] || rm -rf "$work"' EXIT
start_wine
[ -z "${BLUEREEF_KEEP_FILES:-}" ] || echo "Files left in $work"
echo "Program as built from $(git -C "$bench_repo" describe --always --dirty) ($BLUEREEF_ARCH)"

settings=$work/settings.ini
for run in $(seq "$kills"); do
  rm -f "$settings"
  # In a subshell of its own, so that the shell does not report each killed job.
  (wine "$bench_build/bench/save_loop.exe" "Z:$settings" > "$work/out" 2>/dev/null &)
  for _ in $(seq 200); do
    grep -q saving "$work/out" 2>/dev/null && break
    sleep 0.05
  done
  grep -q saving "$work/out" || { echo "run $run: the save loop did not start" >&2; exit 1; }
  sleep "0.0$((RANDOM % 90 + 10))"
  pkill -9 -f 'save_loop\.exe' || true
  while pgrep --runstates R,S,D -f 'save_loop\.exe' >/dev/null; do sleep 0.01; done
  cp "$settings" "$work/left-$run.ini" 2>/dev/null || : > "$work/left-$run.ini"
done

python3 - "$work" "$kills" <<'PY'
import sys
work, kills = sys.argv[1], int(sys.argv[2])

def keys(path):
    found, section = {}, None
    with open(path, encoding="latin-1") as f:
        for line in f.read().splitlines():
            if line.startswith("["):
                section = line.strip("[] ")
            elif "=" in line and section == "Aquarium Settings":
                key, value = line.split("=", 1)
                found[key] = value
    return found

sets = [keys(f"{work}/settings.ini.{n}") for n in (1, 2)]
counts = {"whole": 0, "mixed": 0, "broken": 0}
for run in range(1, kills + 1):
    left = keys(f"{work}/left-{run}.ini")
    if left in sets:
        counts["whole"] += 1
    elif left.keys() == sets[0].keys() and all(left[k] in (s[k] for s in sets) for k in left):
        counts["mixed"] += 1
    else:
        counts["broken"] += 1
import glob
copies = len(glob.glob(f"{work}/settings.ini.*.tmp"))
print(f"{kills} kills during saves of {len(sets[0])} keys: " +
      ", ".join(f"{name} {n}" for name, n in counts.items()) +
      f"; copies left beside the file: {copies}")
PY
