"""Screens other than the test session's, each on a virtual display of its own: the window covers
every one of them and the reef picture fills it from edge to edge; and a display without OpenGL,
where the program says so and ends instead of leaving a black window behind."""
import os
import unittest
from pathlib import Path

import aquarium
from aquarium import Aquarium, SeparateSession, probe, wait_until

PREFIX = Path(os.environ.get("BLUEREEF_SEPARATE_PREFIX", "/tmp/bluereef-wine-separate"))

# A common 16:10 screen, an ultrawide one, two screens side by side and a screen turned upright.
SIZES = [(1680, 1050), (2560, 1080), (3840, 1080), (768, 1024)]


class ScreensTest(unittest.TestCase):
    def setUp(self):
        aquarium.require_session()

    def test_window_and_picture_fill_screens_of_every_shape(self):
        for size in SIZES:
            name = f"{size[0]}x{size[1]}"
            with self.subTest(screen=name), SeparateSession(name, PREFIX) as session:
                app = Aquarium(env=session.env).start()
                try:
                    frame, children = app.wait_for_window()
                    screen, _ = probe(session.env)
                    self.assertEqual(screen, size)
                    aquarium.check_covers_screen(self, frame, children, screen)

                    def filled():
                        path = aquarium.screenshot(f"screen-{name}", session.env)
                        return path if aquarium.picture_fills_screen(path) else None

                    self.assertIsNotNone(wait_until(filled, 60, interval=0.5),
                                         f"bare wall or clear colour shows on {name}")
                finally:
                    app.stop()

    def test_without_opengl_the_program_says_so_and_ends_writing_nothing(self):
        with SeparateSession("1024x768", PREFIX, xvfb_options=["-extension", "GLX"]) as session:
            ini = PREFIX / "drive_c" / "windows" / "BluereefScrSet.ini"
            if ini.exists():
                ini.unlink()
            app = Aquarium(env=session.env).start()
            try:
                def message_box():
                    _, windows = probe(session.env)
                    for window, children in windows:
                        if window.visible and any("failed" in c.title for c in children):
                            return window, children
                    return None

                found = wait_until(message_box, 60, interval=0.5)
                self.assertIsNotNone(found, "no message says why the aquarium cannot start")
                texts = [child.title for child in found[1]]
                self.assertIn("ChoosePixelFormat failed", texts)
                aquarium.screenshot("no-opengl-message", session.env)

                app.key("Return")
                self.assertEqual(app.wait_exit(timeout=30), 1)
                self.assertEqual(probe(session.env)[1], [], "no window may be left behind")
                self.assertFalse(ini.exists(), "nothing may be written")
            finally:
                app.stop()


if __name__ == "__main__":
    unittest.main()
