"""Random real input against the running program with its dialogs and menu in use, and a long
picture show with own music: what is left alive, loadable and in memory afterwards.

  storm.py storm SECONDS TARGET...   TARGET: fish, settings, music, background or menu
  storm.py soak SECONDS

Run through bench/storms.sh or bench/soak.sh, which build the program and start the display and
the Wine server; tests/e2e/test_storms.py runs the short storms. Each figure is printed as a line "name value" for the scripts' tables.

Under Wine, GetGuiResources and GetProcessHandleCount answer 0 for every process, so objects are
counted where Wine keeps them: GDI objects in the program's own memory (its resident size), USER
objects (windows, menus, cursors) and kernel handles in the Wine server's (the server's resident
size), open files as the program's file descriptors.
"""
import os
import random
import subprocess
import sys
import tempfile
import time
from pathlib import Path

# The end-to-end tests' driver of the real program, and the media tests' pictures, tones and
# sound capture.
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "e2e"))
import aquarium  # noqa: E402
from aquarium import MENU_AT, MENU_ITEMS, Aquarium, menu_item_centre  # noqa: E402
from test_media import SoundCapture, write_picture, write_tone  # noqa: E402

SCREEN = (1024, 768)
# What each target opens from the menu; the menu itself opens nothing.
TARGET_ITEMS = {"fish": "fish counts", "settings": "settings", "music": "music",
                "background": "background", "menu": None}
MODES = ["watch", "feed", "touch", "grow", "shrink", "marker", "ripple"]
# Every key a person presses in a dialog but Escape, which in the tank ends the program: random
# clicks leave the keyboard with the tank often enough.
KEYS = ["Tab", "shift+Tab", "space", "Return", "Left", "Right", "Up", "Down", "Home", "End",
        "Prior", "Next", "1", "5", "0", "a", "BackSpace", "Delete"]
SAMPLE_EVERY = 10.0


def xdotool(*args, check=True):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20,
                          check=check).stdout.strip()


def prefix_process(pattern):
    """The first process matching `pattern` that runs in this session's Wine prefix: other
    sessions may run the program and a server of their own at the same time."""
    for pid in subprocess.run(["pgrep", "-f", pattern], capture_output=True,
                              text=True).stdout.split():
        try:
            environ = Path(f"/proc/{pid}/environ").read_bytes().split(b"\0")
        except OSError:
            continue
        if f"WINEPREFIX={os.environ['WINEPREFIX']}".encode() in environ:
            return int(pid)
    return None


def program_pid():
    return prefix_process(r"BluereefScr\.exe")


def wineserver_pid():
    return prefix_process("^/usr/lib/wine/wineserver")


def resident_mb(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmRSS:"):
            return int(line.split()[1]) / 1024
    return 0.0


def figures():
    program, server = program_pid(), wineserver_pid()
    return {"program_mb": resident_mb(program), "server_mb": resident_mb(server),
            "files": len(os.listdir(f"/proc/{program}/fd"))}


def settings_load():
    """The settings file as the program would read it back: every line a section, a key with a
    value, or empty, and the record's section there with a value for every key."""
    path = aquarium.ini_path()
    if not path.exists():
        return True
    text = path.read_text(encoding="latin-1")
    lines = [line for line in text.splitlines() if line.strip()]
    if not all(line.startswith("[") and line.endswith("]") or "=" in line for line in lines):
        return False
    return "[Aquarium Settings]" in lines and "[Fish Number]" in lines


def responsive():
    """The program answers a window message (the probe asks each window for its text)."""
    try:
        return bool(aquarium.probe()[1])
    except subprocess.TimeoutExpired:
        return False


def foreground_title():
    """The title of the window that has the keyboard's input, None when none has it."""
    _, windows = aquarium.probe(title="--foreground")
    return windows[0][0].title if windows else None


def active_window():
    """The window with the keyboard, its title and screen rectangle."""
    # There is no window manager: the focus is the X server's own.
    window = xdotool("getwindowfocus", "-f", check=False)
    if not window:
        return None, (0, 0, *SCREEN)
    title = xdotool("getwindowname", window, check=False)
    geometry = dict(line.split("=") for line in
                    xdotool("getwindowgeometry", "--shell", window, check=False).splitlines()
                    if "=" in line)
    x, y = int(geometry.get("X", 0)), int(geometry.get("Y", 0))
    return title, (x, y, x + int(geometry.get("WIDTH", SCREEN[0])),
                   y + int(geometry.get("HEIGHT", SCREEN[1])))


class Storm:
    def __init__(self, app, target):
        self.app, self.target = app, target
        self.actions = 0

    def open_target(self):
        """Gives the tank the pointer, opens the menu and chooses the target's item (or, for the
        menu itself, a mode)."""
        item = TARGET_ITEMS[self.target] or random.choice(MODES)
        self.app.click(random.randrange(100, 900), random.randrange(100, 650))
        self.app.choose(MENU_ITEMS.index(item))

    def switch_mode(self):
        """Opens the menu; goes over its items and closes it again, or chooses a mode there and
        clicks in the tank in that mode."""
        if random.random() < 0.3:
            self.app.click(*MENU_AT, button=3)
            for _ in range(random.randrange(1, 4)):
                xdotool("mousemove", *map(str, menu_item_centre(random.randrange(12))))
                time.sleep(0.1)
            self.app.click(random.randrange(700, 1000), random.randrange(600, 760))
            return
        self.app.choose(MENU_ITEMS.index(random.choice(MODES)))
        for _ in range(3):
            self.app.click(random.randrange(50, 970), random.randrange(50, 720))

    def act(self):
        title, (left, top, right, bottom) = active_window()
        if title in (None, aquarium.TITLE) and right - left >= SCREEN[0]:
            # Nothing of the interface is up: the tank has the keyboard.
            if self.target == "menu" or random.random() < 0.2:
                self.switch_mode() if random.random() < 0.5 else self.open_target()
            else:
                self.open_target()
            self.actions += 1
            return
        # A dialog dragged partly off the screen is clicked where it can be.
        left, top = max(left, 0), max(top, 0)
        right, bottom = min(right, SCREEN[0]), min(bottom, SCREEN[1])
        point = (random.randrange(left, max(left + 1, right)),
                 random.randrange(top, max(top + 1, bottom)))
        roll = random.random()
        if roll < 0.5:
            self.app.click(*point, hold=random.choice([0.02, 0.15]))
        elif roll < 0.6:
            xdotool("mousemove", *map(str, point), "click", "--repeat", "2", "--delay", "80", "1")
        elif roll < 0.75:
            end = (random.randrange(left, max(left + 1, right)), point[1])
            xdotool("mousemove", *map(str, point), "mousedown", "1")
            for step in range(1, 6):
                xdotool("mousemove", str(point[0] + (end[0] - point[0]) * step // 5),
                        str(point[1]))
            xdotool("mouseup", "1")
        else:
            xdotool("key", random.choice(KEYS))
        self.actions += 1


def start_program():
    """The program on a full tank, its start-up text hidden."""
    aquarium.write_settings([2] * 15)
    app = Aquarium().start()
    app.wait_for_window()
    app.key("F1")
    return app


def run_storm(seconds, target, app=None):
    """A storm of `seconds` on `target`, in the running `app`, left running, or else in a
    program of its own."""
    own = app is None
    app = app or start_program()
    storm = Storm(app, target)
    # The target's windows are made once before the first figures: what a first opening costs
    # is no leak.
    storm.open_target()
    time.sleep(2)
    if target != "menu":
        app.press("Escape")
    time.sleep(2)
    before = figures()
    # Input reaches windows a first opening makes (the file dialog, the colour dialog) only
    # during the storm: from its first minute on, growth is what the storm itself leaves. The
    # figures of every minute show whether it levels off.
    after_first_minute = {}
    checks = unanswered = broken = 0
    start = next_sample = time.monotonic()
    next_minute = 1
    while time.monotonic() - start < seconds and app.running():
        storm.act()
        time.sleep(random.uniform(0.05, 0.3))
        if time.monotonic() >= next_sample:
            next_sample += SAMPLE_EVERY
            checks += 1
            unanswered += 0 if responsive() else 1
            broken += 0 if settings_load() else 1
            if time.monotonic() - start >= 60 * next_minute and app.running():
                sample = figures()
                after_first_minute = after_first_minute or sample
                report(f"{target} minute {next_minute}", sample)
                next_minute += 1
    alive = app.running()
    # Whatever the storm left open is closed the way a person closes it, one Escape at a time to
    # the window that Wine gives the keys to, until the keys would reach the aquarium itself,
    # which an Escape ends. The X server's focus can lag behind Wine's while a window closes, so
    # Wine is asked, not the X server.
    for _ in range(10):
        title = foreground_title()
        if title in (None, aquarium.TITLE):
            break
        xdotool("key", "Escape")
        aquarium.wait_until(lambda: foreground_title() != title, 3, interval=0.2)
    time.sleep(3)
    after = figures() if alive and app.running() else {}
    # How a program that ended did so: 0 is an Escape or the menu's "Exit" that reached it.
    ended = {} if app.running() else {"exit_code": app.process.returncode}
    if own:
        app.stop()
    result = {"seconds": seconds, "actions": storm.actions, "alive": int(alive), **ended,
              "checks": checks, "unanswered": unanswered, "unloadable": broken,
              **{f"{k}_before": v for k, v in before.items()},
              **{f"{k}_after_first_minute": v for k, v in after_first_minute.items()},
              **{f"{k}_after": v for k, v in after.items()}}
    report(target, result)
    return result


def storm_passed(result):
    return result["alive"] == 1 and result["unanswered"] == 0 and result["unloadable"] == 0


def run_soak(seconds):
    media = aquarium.windows_dir().parent / "soak media"
    media.mkdir(exist_ok=True)
    pictures = []
    for i in range(10):
        path = media / f"picture {i}.{['jpg', 'png', 'bmp'][i % 3]}"
        if not path.exists():
            write_picture(path, i % 3, (i + 1) % 3, 320 + 64 * i, 240 + 32 * i)
        pictures.append(path)
    tunes = []
    for i, frequency in enumerate((440, 660, 880)):
        path = media / f"tune {i}.wav"
        if not path.exists():
            write_tone(path, frequency, 20)
        tunes.append(path)
    windows = [("C:\\" + str(p.relative_to(aquarium.windows_dir().parent)).replace("/", "\\"))
               for p in pictures + tunes]
    aquarium.write_settings([4] * 15, sections={
        "Custom Images": ["OwnImage=1", "CycImage=1", "RepeatImage=0", "RandomImage=0",
                          "ImageTime=1", "ImageSum=10",
                          *(f"ImageList{i}={w}" for i, w in enumerate(windows[:10]))],
        "Custom Settings": ["OwnMusic=1", "CycMusic=1", "RepeatMusic=0", "RandomMusic=0",
                            "MusicSum=3", *(f"MusicList{i}={w}" for i, w in enumerate(windows[10:]))]})
    with tempfile.TemporaryDirectory() as scratch:
        sound = SoundCapture(scratch)
        app = Aquarium(env=sound.env).start()
        app.wait_for_window()
        app.key("F1")
        time.sleep(30)
        start_figures, start_ini = figures(), aquarium.ini_path().stat().st_size
        print(f"start {start_figures} settings_bytes {start_ini}", flush=True)
        start = time.monotonic()
        while time.monotonic() - start < seconds and app.running():
            time.sleep(60)
            print(f"minute {int((time.monotonic() - start) / 60)} {figures()} "
                  f"sound_bytes {sound.size()}", flush=True)
        alive = app.running()
        print(f"screenshot {aquarium.screenshot('soak-end')}", flush=True)
        heard = alive and sound.growing(2.0) and sound.level() > 1000
        end = figures() if alive else {}
        report("soak", {"seconds": seconds, "alive": int(alive), "heard_at_end": int(heard),
                        "settings_bytes_before": start_ini,
                        "settings_bytes_after": aquarium.ini_path().stat().st_size,
                        "responsive": int(responsive()),
                        **{f"{k}_before": v for k, v in start_figures.items()},
                        **{f"{k}_after": v for k, v in end.items()}})
        app.stop()
        return alive and heard


def report(name, values):
    for key, value in values.items():
        print(f"{name} {key} {value:.1f}" if isinstance(value, float) else f"{name} {key} {value}",
              flush=True)


def main():
    aquarium.require_session()
    random.seed(int(os.environ.get("BLUEREEF_STORM_SEED", "1")))
    command, seconds = sys.argv[1], float(sys.argv[2])
    if command == "soak":
        ok = run_soak(seconds)
    else:
        ok = all([storm_passed(run_storm(seconds, target))
                  for target in sys.argv[3:] or TARGET_ITEMS])
    aquarium.remove_ini()
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
