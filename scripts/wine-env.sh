# Sourced by the scripts: the project's own Wine prefix and quiet, prompt-free Wine start-up.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${BLUEREEF_WINEPREFIX:-$repo_root/.wine}"
export WINEARCH=win32
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"
