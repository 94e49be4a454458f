"""Drives the real BluereefScr.exe under Wine on the test session's X display.

The test command (scripts/test.sh) starts a display and a Wine server for each build, and CTest
runs each test with its build's DISPLAY and WINEPREFIX (scripts/with-wine-env); this module starts
the program, sends it real X input through xdotool, and reads back its windows (through
winprobe.exe), screenshots and the settings file.
"""
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

import numpy

EXE = os.environ.get("BLUEREEF_EXE", "")
# The screen saver file is built beside the program, from the same sources.
SCREEN_SAVER = str(Path(EXE).with_suffix(".scr")) if EXE else ""
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

# The popup menu: owner-drawn items 48 pixels high below a 3-pixel frame, in this order.
MENU_AT = (300, 120)
MENU_ITEMS = ["fish counts", "watch", "feed", "touch", "grow", "shrink", "marker", "ripple",
              "settings", "background", "music", "exit"]
MENU_ITEM_HEIGHT = 48
MENU_FRAME = 3


def menu_item_centre(item, at=MENU_AT):
    """Where to click item number `item` of a menu opened at `at`: the middle of its caption."""
    return at[0] + MENU_FRAME + 80, at[1] + MENU_FRAME + MENU_ITEM_HEIGHT * item + 24


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
        self.state = {}  # check, items or position, for the controls that have them
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
        self.origin = tuple(int(v) for v in fields["origin"].split(","))
        self.has_menu = fields["menu"] == "1"


def probe(env=None, title=TITLE):
    """Returns (screen size, [top-level windows of that title with their children]); with the title
    "--foreground", the window that has the keyboard's input, without children."""
    # The report goes through a file, not a pipe: a Wine helper that the probe happens to start
    # (the desktop process) inherits its output and would hold a pipe open for its whole life.
    with tempfile.TemporaryFile(mode="w+", encoding="latin-1") as report:
        subprocess.run(["wine", WINPROBE, title], stdout=report, stderr=subprocess.DEVNULL,
                       timeout=60, check=True, env=env)
        report.seek(0)
        output = report.read()
    screen = None
    windows = []
    for line in output.splitlines():
        if line.startswith("screen="):
            screen = tuple(int(v) for v in line[len("screen="):].split(","))
        elif line.startswith("window "):
            windows.append((WindowInfo(line), []))
        elif line.startswith("child ") and windows:
            windows[-1][1].append(WindowInfo(line))
        elif line.startswith("state ") and windows and windows[-1][1]:
            fields = re.findall(r"(check|items|position)=(-?\d+)", line)
            windows[-1][1][-1].state.update({name: int(value) for name, value in fields})
    return screen, windows


def screenshot(name, env=None):
    """Saves the whole display as OUTPUT_DIR/name.png and returns the path."""
    OUTPUT_DIR.mkdir(parents=True, exist_ok=True)
    path = OUTPUT_DIR / f"{name}.png"
    subprocess.run(["import", "-window", "root", str(path)], check=True, timeout=60, env=env)
    return path


def pixel(path, x, y):
    """The (r, g, b) of one pixel of a screenshot."""
    text = subprocess.run(["convert", str(path), "-format", f"%[pixel:p{{{x},{y}}}]", "info:-"],
                          capture_output=True, text=True, check=True).stdout
    values = re.findall(r"[\d.]+%?", text)
    return tuple(round(float(v[:-1]) * 2.55) if v.endswith("%") else int(float(v))
                 for v in values[:3])


def light_fraction(path, box):
    """The share of pixels in box (x, y, width, height) that are white or nearly so."""
    x, y, width, height = box
    text = subprocess.run(["convert", str(path), "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                           "-colorspace", "gray", "-threshold", "80%", "-format", "%[fx:mean]",
                           "info:-"], capture_output=True, text=True, check=True).stdout
    return float(text)


def block_colours(path, columns, rows):
    """The screenshot scaled down to columns x rows blocks: each block's average (r, g, b)."""
    text = subprocess.run(["convert", str(path), "-scale", f"{columns}x{rows}!", "-depth", "8",
                           "txt:-"], capture_output=True, text=True, check=True).stdout
    blocks = []
    for line in text.splitlines()[1:]:
        match = re.search(r"\((\d+),(\d+),(\d+)", line)
        if match:
            blocks.append(tuple(int(v) for v in match.groups()))
    return blocks


def layout(window):
    """Where a probed window and its children are, and how the window is shown."""
    frame, children = window
    return frame.style, frame.rect, frame.client, [child.rect for child in children]


class Aquarium:
    """One run of the program."""

    def __init__(self, env=None):
        """`env` selects another display and prefix than the test session's."""
        require_session()
        self.env = env
        self.process = None

    def start(self, *arguments, program=None):
        """Starts the program (or `program`, the screen saver file say) with `arguments`."""
        self.process = subprocess.Popen(["wine", program or EXE, *arguments],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        env=self.env)
        return self

    def wait_for_window(self, timeout=60):
        """The shown frame and its children, once a second look finds the same layout: a frame
        caught in the middle of being maximised still has its view at the size it was made with."""
        found = wait_until(self._shown_window, timeout, interval=0.25)
        if not found:
            raise AssertionError("the aquarium window did not appear")
        latest = [found]

        def settled():
            again = self._shown_window()
            same = again is not None and layout(again) == layout(latest[0])
            latest[0] = again or latest[0]
            return again if same else None

        return wait_until(settled, 20, interval=0.25) or latest[0]

    def _shown_window(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the aquarium ended early with code {self.process.returncode}")
        _, windows = probe(self.env)
        shown = [w for w in windows if w[0].visible]
        return shown[0] if shown else None

    def x_window(self):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"],
                             capture_output=True, text=True, env=self.env).stdout.split()
        return out[0] if out else None

    def focus(self):
        window = wait_until(self.x_window, 20, interval=0.2)
        if window is None:
            raise AssertionError("no X window for the aquarium")
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=20,
                       env=self.env)
        return window

    def key(self, *keys):
        self.focus()
        subprocess.run(["xdotool", "key", *keys], check=True, timeout=20, env=self.env)

    def press(self, *keys):
        """Keys to whichever window has the keyboard: a dialog, once it is open."""
        subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True, timeout=20,
                       env=self.env)

    def click(self, x, y, button=1, hold=0.15):
        """Presses and releases a mouse button at screen point (x, y), holding it as long as a
        person does: a frame sees the button down before it goes up."""
        def xdotool(*args):
            subprocess.run(["xdotool", *args], check=True, timeout=20, env=self.env)

        xdotool("mousemove", str(x), str(y))
        time.sleep(0.05)
        xdotool("mousedown", str(button))
        time.sleep(hold)
        xdotool("mouseup", str(button))

    def choose(self, item, at=MENU_AT):
        """Opens the popup menu with a right click at `at` and chooses its item number `item`."""
        self.click(*at, button=3)
        time.sleep(0.5)
        self.click(*menu_item_centre(item, at))
        time.sleep(0.3)

    def wait_exit(self, timeout=30):
        return self.process.wait(timeout=timeout)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def stop(self):
        if self.running():
            self.process.kill()
            self.process.wait(timeout=30)
            # The killed process may leave its Windows side behind for a moment.
            wait_until(lambda: not probe(self.env)[1], 20, interval=0.2)


class AquariumTestCase(unittest.TestCase):
    """A test that runs the program at most once at a time, on the test session's settings file,
    which it leaves behind as it found none."""

    def setUp(self):
        require_session()
        remove_ini()
        self.app = None

    def tearDown(self):
        if self.app is not None:
            self.app.stop()
        remove_ini()

    def start_quiet(self, env=None):
        """Starts the aquarium and hides its start-up text."""
        self.app = Aquarium(env=env).start()
        self.app.wait_for_window()
        self.app.key("F1")
        time.sleep(1.5)

    def open_dialog(self, item, title):
        """Chooses the menu's `item` and returns the dialog it opens, titled `title`."""
        self.app.choose(MENU_ITEMS.index(item))
        dialog = Dialog(title)
        self.assertTrue(dialog.wait_shown(), f"{title} opens from the menu")
        time.sleep(0.5)
        return dialog


class Dialog:
    """One of the program's dialogs as the user sees it, found by its title: its controls by
    identifier, with their screen rectangles and texts."""

    def __init__(self, title, env=None):
        self.title = title
        self.env = env
        self.frame = None
        self.controls = {}

    def wait_shown(self, timeout=15):
        def shown():
            _, windows = probe(self.env, self.title)
            visible = [w for w in windows if w[0].visible]
            return visible[0] if visible else None
        found = wait_until(shown, timeout, interval=0.25)
        if found:
            self.frame, children = found
            self.controls = {child.id: child for child in children}
        return found is not None

    def gone(self, timeout=10):
        return wait_until(lambda: not [w for w in probe(self.env, self.title)[1] if w[0].visible],
                          timeout, interval=0.25)

    def text(self, control_id):
        self.wait_shown()
        return self.controls[control_id].title

    def centre(self, control_id):
        left, top, right, bottom = self.controls[control_id].rect
        return (left + right) // 2, (top + bottom) // 2

    def client_point(self, x, y):
        """The screen point of client point (x, y)."""
        return self.frame.origin[0] + x, self.frame.origin[1] + y


def check_covers_screen(test, frame, children, screen):
    """The frame and its view as the user sees them: the whole screen, no caption, border or menu."""
    test.assertEqual(frame.title, TITLE)
    test.assertEqual(frame.style & (WS_CAPTION | WS_BORDER), 0)
    test.assertEqual(frame.style & WS_SYSMENU, 0)
    test.assertEqual(frame.exstyle & WS_EX_CLIENTEDGE, 0)
    test.assertFalse(frame.has_menu)
    test.assertTrue(frame.style & WS_MAXIMIZE)
    # Maximised, the frame's sizing edge lies just off the screen: its client area is the screen.
    left, top, right, bottom = frame.rect
    test.assertTrue(left <= 0 and top <= 0 and right >= screen[0] and bottom >= screen[1])
    test.assertEqual(frame.client, screen)

    test.assertEqual(len(children), 1, "the view is the frame's only child")
    view = children[0]
    test.assertEqual(view.id, AFX_IDW_PANE_FIRST)
    test.assertTrue(view.style & WS_CHILD and view.style & WS_VISIBLE)
    test.assertEqual(view.style & WS_BORDER, 0)
    test.assertEqual(view.exstyle & WS_EX_CLIENTEDGE, 0)
    test.assertEqual(view.rect, (0, 0) + screen)


def remove_ini():
    if ini_path().exists():
        ini_path().unlink()


def picture_fills_screen(path):
    """The reef picture covers the whole screen: no block of it is black (bare wall or clear)."""
    return all(sum(block) > 30 for block in block_colours(path, 16, 12))


def copy_to_output(path, name):
    OUTPUT_DIR.mkdir(parents=True, exist_ok=True)
    shutil.copy(path, OUTPUT_DIR / name)


def pixels(path):
    """A screenshot as an array of rows of (r, g, b), 0..255."""
    raw = subprocess.run(["convert", str(path), "-depth", "8", "rgb:-"], capture_output=True,
                         check=True).stdout
    size = subprocess.run(["identify", "-format", "%w %h", str(path)], capture_output=True,
                          text=True, check=True).stdout.split()
    width, height = int(size[0]), int(size[1])
    return numpy.frombuffer(raw, dtype=numpy.uint8).reshape(height, width, 3).astype(numpy.int32)


# The views of the tank with the eye held still at home: the middle of the left/right slider and
# the far end of the far/near one.
STILL_VIEW = ["CHECK VIEWS=0", "VIEWSLEFTRIGHT=3500", "VIEWSNEARFAR=0"]


def write_settings(fish_counts, bubbles=True, extra=(), sections=None):
    """An INI with these fish counts and the eye still; without bubbles the empty tank is a still
    picture. `extra` adds lines of section "Aquarium Settings", `sections` whole sections (a
    name for a list of "key=value" lines)."""
    lines = ["[Aquarium Settings]", f"QIPAONUM={100 if bubbles else 110}", *STILL_VIEW, *extra,
             "[Fish Number]"]
    lines += [f"Fish{kind}={count}" for kind, count in enumerate(fish_counts)]
    for name, entries in (sections or {}).items():
        lines += [f"[{name}]", *entries]
    ini_path().write_text("\r\n".join(lines) + "\r\n", encoding="latin-1")


REPO_ROOT = Path(__file__).resolve().parents[2]


class SeparateSession:
    """A virtual display of its own size with a Wine prefix and server of its own.

    Wine learns the screen size once per server, so a second screen size needs a second server,
    and a server belongs to one prefix. The prefix is kept between runs: making it takes seconds.
    """

    def __init__(self, size, prefix, xvfb_options=()):
        self.size = size
        self.prefix = Path(prefix)
        self.xvfb_options = list(xvfb_options)
        self.servers = []
        self.env = None

    def __enter__(self):
        number = self.start_server(["Xvfb", "-screen", "0", f"{self.size}x24", "-nolisten", "tcp",
                                    *self.xvfb_options])
        self.start_wine(number)
        return self

    def start_server(self, command, env=None):
        """Starts an X server (`command` without its display) on a free display number."""
        number = 90
        while Path(f"/tmp/.X11-unix/X{number}").exists() or Path(f"/tmp/.X{number}-lock").exists():
            number += 1
        self.servers.append(subprocess.Popen([command[0], f":{number}", *command[1:]], env=env,
                                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        if not wait_until(Path(f"/tmp/.X11-unix/X{number}").exists, 10):
            raise RuntimeError(f"{command[0]} did not start on :{number}")
        return number

    def start_wine(self, number):
        self.env = dict(os.environ, DISPLAY=f":{number}", WINEPREFIX=str(self.prefix),
                        BLUEREEF_WINEPREFIX=str(self.prefix))
        subprocess.run(["bash", "-c", f"source '{REPO_ROOT}/scripts/session.sh' && start_wine"],
                       env=self.env, check=True, timeout=300)

    def __exit__(self, *_):
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=60)
        for server in reversed(self.servers):
            server.kill()
            server.wait(timeout=30)


class TwoMonitorSession(SeparateSession):
    """Two 1024 x 768 monitors side by side: the two screens of a nested X server (Xephyr) joined
    by Xinerama, shown on a virtual display of their own. Xvfb's own Xinerama puts every screen at
    the origin; and with RandR present Wine reports the X screen as one monitor, so the nested
    server runs without it and Wine takes its monitors from Xinerama."""

    def __init__(self, prefix):
        super().__init__("2048x768", prefix)

    def __enter__(self):
        host = self.start_server(["Xvfb", "-screen", "0", "2048x768x24", "-nolisten", "tcp"])
        nested = self.start_server(["Xephyr", "-screen", "1024x768", "-screen", "1024x768",
                                    "+xinerama", "-extension", "RANDR", "-nolisten", "tcp"],
                                   env=dict(os.environ, DISPLAY=f":{host}"))
        self.start_wine(nested)
        return self
