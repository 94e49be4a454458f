"""The fish as a user sees them: several kinds swimming in front of the reef, none when every
count is 0, and the skin of the one kind that is asked for."""
import unittest

import numpy

import aquarium
from aquarium import Aquarium, screenshot, wait_until

KINDS = 15
BLUE_TANG, YELLOW_TANG, CORAL_GROUPER = 1, 2, 8

# Colours of the skins, as tests on an array of pixels (channels 0..255).
SKIN_COLOURS = {
    "yellow": lambda r, g, b: (r > 190) & (g > 160) & (b < 90),
    "blue": lambda r, g, b: (b > 150) & (r < 80) & (g < 140),
    "red": lambda r, g, b: (r > 140) & (g < 64) & (b < 77),
}
# A pixel belongs to a fish only where it differs this much (summed over the channels) from the
# empty tank at the same place: the reef has these colours too.
CHANGED = 115
# Pixels of a colour that count as a fish of that colour on screen.
FISH_PIXELS = 25


def pixels(path):
    return aquarium.pixels(path).reshape(-1, 3)


def pixels_of(colour, shot, empty):
    """Pixels of shot that have the colour and are not there in the empty tank."""
    now, before = pixels(shot), pixels(empty)
    changed = numpy.abs(now - before).sum(axis=1) > CHANGED
    return int((SKIN_COLOURS[colour](now[:, 0], now[:, 1], now[:, 2]) & changed).sum())


class FishTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        aquarium.require_session()
        cls.empty = cls.run_tank([0] * KINDS, "fish-empty-tank", lambda path: path)

    @staticmethod
    def run_tank(counts, name, look, timeout=30):
        """Starts the aquarium with these fish counts, hides the start-up text and screenshots
        until look(path) gives a result; returns that result (None when it never did)."""
        aquarium.write_settings(counts)
        app = Aquarium().start()
        try:
            app.wait_for_window()
            app.key("F1")
            # Let the fish come in (one per frame) and swim a little.
            wait_until(lambda: False, 3)
            return wait_until(lambda: look(screenshot(name)), timeout, interval=0.5)
        finally:
            app.stop()
            aquarium.remove_ini()

    def test_empty_tank_shows_only_the_reef_and_the_bubbles(self):
        def still_empty(path):
            return all(pixels_of(colour, path, self.empty) < FISH_PIXELS for colour in SKIN_COLOURS)

        # A second look, a few seconds later, differs from the first by bubbles only.
        self.assertTrue(self.run_tank([0] * KINDS, "fish-empty-tank-later", still_empty,
                                      timeout=5))

    def test_one_fish_of_a_kind_wears_that_kinds_skin(self):
        for kind, colour, others in ((YELLOW_TANG, "yellow", ("blue", "red")),
                                     (BLUE_TANG, "blue", ("red",))):
            with self.subTest(kind=kind):
                counts = [0] * KINDS
                counts[kind] = 1

                def shows_skin(path):
                    return path if pixels_of(colour, path, self.empty) >= FISH_PIXELS else None

                shot = self.run_tank(counts, f"fish-only-kind-{kind}", shows_skin)
                self.assertIsNotNone(shot, f"no {colour} fish appeared")
                for other in others:
                    self.assertLess(pixels_of(other, shot, self.empty), FISH_PIXELS,
                                    f"a {other} fish appeared among kind {kind} alone")

    def test_default_tank_shows_several_kinds(self):
        counts = [3] * KINDS

        def several_kinds(path):
            seen = [c for c in SKIN_COLOURS if pixels_of(c, path, self.empty) >= FISH_PIXELS]
            return path if len(seen) == len(SKIN_COLOURS) else None

        self.assertIsNotNone(self.run_tank(counts, "fish-several-kinds", several_kinds),
                             "fish of yellow, blue and red kinds never showed together")


if __name__ == "__main__":
    unittest.main()
