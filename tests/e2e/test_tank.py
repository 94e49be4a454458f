"""The tank as a user first sees it: the reef picture across the screen, the start-up text that
goes away by itself, and F1 bringing the text back."""
import time
import unittest

import aquarium
from aquarium import Aquarium, block_colours, light_fraction, screenshot, wait_until

# Where the four lines of start-up text stand on a 1024 x 768 screen.
TEXT_BOX = (400, 320, 400, 150)
# The text is drawn pale over the darker picture: this much of its box is text while it shows,
# and less than a quarter of that (a white fish passing) once it has gone.
TEXT_SHOWING = 0.05


class TankTest(unittest.TestCase):
    def setUp(self):
        aquarium.require_session()
        self.app = Aquarium().start()
        self.app.wait_for_window()

    def tearDown(self):
        self.app.stop()

    def shot_until(self, name, condition, timeout=60):
        """Screenshots until one satisfies condition; returns its path, or fails."""
        def satisfied():
            path = screenshot(name)
            return path if condition(path) else None

        path = wait_until(satisfied, timeout, interval=0.3)
        self.assertIsNotNone(path, f"{name}: the screen never looked as expected")
        return path

    def text_shows(self, path):
        return light_fraction(path, TEXT_BOX) > TEXT_SHOWING

    def text_hidden(self, path):
        return light_fraction(path, TEXT_BOX) < TEXT_SHOWING / 4

    def test_picture_fills_the_screen_and_the_text_goes_away_and_comes_back_with_f1(self):
        # Until the first frame is presented the screen is black, which would pass for text.
        with_text = self.shot_until(
            "tank-with-start-up-text",
            lambda p: aquarium.picture_fills_screen(p) and self.text_shows(p))
        # Water above, sand below: the top is bluer than it is red, the bottom brighter.
        blocks = block_colours(with_text, 16, 12)
        top_row, bottom_row = blocks[:16], blocks[-16:]
        self.assertTrue(all(b[2] > b[0] for b in top_row))
        self.assertGreater(sum(map(sum, bottom_row)), sum(map(sum, top_row)))

        self.shot_until("tank-after-start-up-text", self.text_hidden)

        self.app.key("F1")
        self.shot_until("tank-text-back-after-f1", self.text_shows, timeout=20)
        time.sleep(0.5)
        self.app.key("F1")
        self.shot_until("tank-text-hidden-again-by-f1", self.text_hidden, timeout=20)


if __name__ == "__main__":
    unittest.main()
