"""Drives the real BluereefScr.exe under Wine on the test session's X display.

The test command (scripts/test.sh) starts the display and the Wine server and exports DISPLAY and
WINEPREFIX; this module starts the program, sends it real X input through xdotool, and reads back
its windows (through winprobe.exe), screenshots and the settings file.
"""
import os
import re
import shutil
import subprocess
import time
from pathlib import Path

EXE = os.environ.get("BLUEREEF_EXE", "")
WINPROBE = os.environ.get("WINPROBE_EXE", "")
OUTPUT_DIR = Path(os.environ.get("BLUEREEF_TEST_OUTPUT", "/tmp/bluereef-test-output"))
TITLE = "BluereefScr"

WS_CAPTION = 0x00C00000
WS_BORDER = 0x00800000
WS_SYSMENU = 0x00080000
WS_MINIMIZEBOX = 0x00020000
WS_MAXIMIZE = 0x01000000
WS_CHILD = 0x40000000
WS_VISIBLE = 0x10000000
WS_EX_CLIENTEDGE = 0x00000200
AFX_IDW_PANE_FIRST = 59648


def require_session():
    missing = [name for name in ("DISPLAY", "WINEPREFIX") if not os.environ.get(name)]
    if missing or not EXE or not WINPROBE:
        raise RuntimeError("run the end-to-end tests through scripts/test.sh "
                           f"(missing: {', '.join(missing) or 'BLUEREEF_EXE/WINPROBE_EXE'})")


def windows_dir():
    return Path(os.environ["WINEPREFIX"]) / "drive_c" / "windows"


def ini_path():
    return windows_dir() / "BluereefScrSet.ini"


def wait_until(condition, timeout, interval=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(interval)
    return condition()


class WindowInfo:
    """One line of winprobe's report."""

    def __init__(self, line):
        self.kind, _, rest = line.partition(" ")
        fields = dict(re.findall(r"(\w+)=(\S*)", rest.split(" title=")[0]))
        self.title = rest.split(" title=", 1)[1] if " title=" in rest else ""
        self.id = int(fields["id"])
        self.class_name = fields["class"]
        self.style = int(fields["style"], 16)
        self.exstyle = int(fields["exstyle"], 16)
        self.visible = fields["visible"] == "1"
        self.rect = tuple(int(v) for v in fields["rect"].split(","))
        self.client = tuple(int(v) for v in fields["client"].split(","))
        self.has_menu = fields["menu"] == "1"


def probe():
    """Returns (screen size, [top-level windows titled BluereefScr with their children])."""
    output = subprocess.run(["wine", WINPROBE, TITLE], capture_output=True, text=True,
                            timeout=60, check=True).stdout
    screen = None
    windows = []
    for line in output.splitlines():
        if line.startswith("screen="):
            screen = tuple(int(v) for v in line[len("screen="):].split(","))
        elif line.startswith("window "):
            windows.append((WindowInfo(line), []))
        elif line.startswith("child ") and windows:
            windows[-1][1].append(WindowInfo(line))
    return screen, windows


def screenshot(name):
    """Saves the whole display as OUTPUT_DIR/name.png and returns the path."""
    OUTPUT_DIR.mkdir(parents=True, exist_ok=True)
    path = OUTPUT_DIR / f"{name}.png"
    subprocess.run(["import", "-window", "root", str(path)], check=True, timeout=60)
    return path


def pixel(path, x, y):
    """The (r, g, b) of one pixel of a screenshot."""
    text = subprocess.run(["convert", str(path), "-format", f"%[pixel:p{{{x},{y}}}]", "info:-"],
                          capture_output=True, text=True, check=True).stdout
    values = re.findall(r"[\d.]+%?", text)
    return tuple(round(float(v[:-1]) * 2.55) if v.endswith("%") else int(float(v))
                 for v in values[:3])


class Aquarium:
    """One run of the program."""

    def __init__(self):
        require_session()
        self.process = None

    def start(self):
        self.process = subprocess.Popen(["wine", EXE], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        return self

    def wait_for_window(self, timeout=60):
        found = wait_until(lambda: self._shown_window(), timeout, interval=0.25)
        if not found:
            raise AssertionError("the aquarium window did not appear")
        return found

    def _shown_window(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the aquarium ended early with code {self.process.returncode}")
        _, windows = probe()
        shown = [w for w in windows if w[0].visible]
        return shown[0] if shown else None

    def x_window(self):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"],
                             capture_output=True, text=True).stdout.split()
        return out[0] if out else None

    def focus(self):
        window = wait_until(self.x_window, 20, interval=0.2)
        if window is None:
            raise AssertionError("no X window for the aquarium")
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=20)
        return window

    def key(self, *keys):
        self.focus()
        subprocess.run(["xdotool", "key", *keys], check=True, timeout=20)

    def wait_exit(self, timeout=30):
        return self.process.wait(timeout=timeout)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def stop(self):
        if self.running():
            self.process.kill()
            self.process.wait(timeout=30)
            # The killed process may leave its Windows side behind for a moment.
            wait_until(lambda: not probe()[1], 20, interval=0.2)


def remove_ini():
    if ini_path().exists():
        ini_path().unlink()


def copy_to_output(path, name):
    OUTPUT_DIR.mkdir(parents=True, exist_ok=True)
    shutil.copy(path, OUTPUT_DIR / name)
