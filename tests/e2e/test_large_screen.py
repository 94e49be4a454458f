"""The window on a larger screen than the test session's: it still covers the whole screen."""
import os
import unittest
from pathlib import Path

import aquarium
from aquarium import Aquarium, SeparateSession, probe

SIZE = (1680, 1050)
PREFIX = Path(os.environ.get("BLUEREEF_LARGE_SCREEN_PREFIX", "/tmp/bluereef-wine-1680x1050"))


class LargeScreenTest(unittest.TestCase):
    def test_window_covers_a_1680_by_1050_screen(self):
        aquarium.require_session()
        with SeparateSession(f"{SIZE[0]}x{SIZE[1]}", PREFIX) as session:
            app = Aquarium(env=session.env).start()
            try:
                frame, children = app.wait_for_window()
                screen, _ = probe(session.env)
                self.assertEqual(screen, SIZE)
                aquarium.check_covers_screen(self, frame, children, screen)
                aquarium.screenshot("large-screen-1680x1050", session.env)
            finally:
                app.stop()


if __name__ == "__main__":
    unittest.main()
