"""The screen saver file as Windows uses it: /s until the user touches the keyboard or the mouse,
once at a time, the settings with no argument or /c, and /p drawing a live preview into another
program's window, which does not keep the screen saver itself from starting; and the tank over
both monitors of a two-monitor display."""
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

import aquarium
from aquarium import (SCREEN_SAVER, WINPROBE, Aquarium, Dialog, TwoMonitorSession, pixels, probe,
                      screenshot, wait_until)

SETTINGS_DIALOG = "Aquarium Settings - Free Bluereef Screensaver 1.0"
FISH_DIALOG = "Fish Settings - Free Bluereef Screensaver 1.0"
OPEN_FISH_SETTINGS = 1043
PREVIEW_HOST = str(Path(WINPROBE).with_name("previewhost.exe")) if WINPROBE else ""
PREVIEW_TITLE = "Preview Host"
REST = (500, 400)  # where the pointer waits while the screen saver starts
TEXT_BOX = (400, 320, 400, 150)  # where the start-up text stands on a 1024 x 768 screen
# A prefix of the two-monitor test's own: the other screens' test uses its separate prefix
# at the same time.
MONITORS_PREFIX = aquarium.OUTPUT_DIR.parent / "wine-monitors"


def xdotool(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], check=True, timeout=20)


def busy(area):
    """Whether an area shows a picture rather than one flat colour."""
    return float(area.reshape(-1, 3).std(axis=0).max()) > 12


class ScreenSaverTest(aquarium.AquariumTestCase):
    def saver(self, *arguments):
        self.app = Aquarium().start(*arguments, program=SCREEN_SAVER)
        return self.app

    def test_the_screen_saver_ends_on_a_key_a_click_or_a_real_move(self):
        endings = {
            "key": lambda: xdotool("key", "space"),
            "click": lambda: xdotool("click", 1),
            "move": lambda: xdotool("mousemove", REST[0] + 20, REST[1]),
        }
        for name, end in endings.items():
            with self.subTest(ending=name):
                xdotool("mousemove", *REST)
                app = self.saver("/s")
                frame, children = app.wait_for_window()
                screen, _ = probe()
                aquarium.check_covers_screen(self, frame, children, screen)
                time.sleep(2.0)
                if name == "move":
                    xdotool("mousemove", REST[0] + 1, REST[1])
                    time.sleep(1.5)
                    self.assertTrue(app.running(), "a move of one pixel does not end it")
                    self.assertLess(aquarium.light_fraction(screenshot("screensaver"), TEXT_BOX),
                                    0.01, "no start-up text")
                end()
                self.assertEqual(app.wait_exit(20), 0, f"ended by a {name}")

    def test_a_second_screen_saver_ends_at_once(self):
        xdotool("mousemove", *REST)
        app = self.saver("/s")
        app.wait_for_window()
        second = subprocess.run(["wine", SCREEN_SAVER, "/s"], timeout=60)
        self.assertEqual(second.returncode, 0)
        self.assertEqual(len(probe()[1]), 1, "only the first one's window exists")
        self.assertTrue(app.running())

    def test_settings_open_without_an_argument_and_with_c(self):
        for arguments in ((), ("/c",)):
            with self.subTest(arguments=arguments):
                app = self.saver(*arguments)
                settings = Dialog(SETTINGS_DIALOG)
                self.assertTrue(settings.wait_shown(), "the settings dialog opens")
                self.assertEqual(probe()[1], [], "no aquarium window opens with the settings")
                app.click(*settings.centre(OPEN_FISH_SETTINGS))
                fish = Dialog(FISH_DIALOG)
                self.assertTrue(fish.wait_shown(), "the fish dialog is reachable from it")
                app.press("Escape")
                self.assertTrue(fish.gone())
                app.press("Escape")
                self.assertEqual(app.wait_exit(20), 0)

    def test_a_preview_draws_into_the_host_window_and_ends_with_it(self):
        with tempfile.TemporaryDirectory() as scratch:
            handle_file = Path(scratch) / "handle.txt"
            host = subprocess.Popen(["wine", PREVIEW_HOST, str(handle_file), "25"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                self.assertTrue(wait_until(lambda: handle_file.exists() and
                                           handle_file.read_text().strip(), 30))
                app = self.saver("/p", handle_file.read_text().strip())
                host_window = Dialog(PREVIEW_TITLE)
                self.assertTrue(host_window.wait_shown())
                left, top = host_window.frame.origin
                width, height = host_window.frame.client

                def drawn():
                    shot = pixels(screenshot("screensaver-preview"))
                    inside = shot[top + 10:top + height - 10, left + 10:left + width - 10]
                    return (shot,) if busy(inside) and inside.mean() < 200 else None

                found = wait_until(drawn, 30, interval=0.5)
                self.assertIsNotNone(found, "the host's client area shows the tank")
                shot = found[0]
                right_of_host = shot[top:top + height, host_window.frame.rect[2] + 10:]
                self.assertLess(float(right_of_host.mean()), 5, "nothing is drawn outside it")
                self.assertEqual(probe()[1], [], "the preview opens no window of its own")

                xdotool("mousemove", *REST)
                full = Aquarium().start("/s", program=SCREEN_SAVER)
                try:
                    full.wait_for_window()
                    self.assertTrue(app.running(), "the preview runs on meanwhile")
                    full.press("space")
                    self.assertEqual(full.wait_exit(20), 0)
                finally:
                    full.stop()
                self.assertEqual(app.wait_exit(30), 0, "the preview ends with its host")
            finally:
                host.kill()
                host.wait(timeout=30)


    def test_the_tank_covers_both_monitors_of_a_two_monitor_display(self):
        with TwoMonitorSession(MONITORS_PREFIX) as session:
            app = Aquarium(env=session.env).start()
            try:
                frame, _ = app.wait_for_window()
                self.assertEqual(frame.rect, (0, 0, 2048, 768), "the frame spans both monitors")

                def both_shown():
                    shot = pixels(screenshot("two-monitors", session.env))
                    halves = shot[100:700, 50:974], shot[100:700, 1074:1998]
                    return (shot,) if all(busy(half) for half in halves) else None

                self.assertIsNotNone(wait_until(both_shown, 60, interval=0.5),
                                     "the tank shows on both monitors")
            finally:
                app.stop()


if __name__ == "__main__":
    unittest.main()
