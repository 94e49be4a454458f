"""The two dialogs of the popup menu as a person uses them: the fish dialog's cells, keys and
buttons changing the tank while it is open, and every visible control of the settings dialog
acting on the tank within a second. Escape after a change keeps it: the dialogs save as they go.

The tank starts without bubbles and, for the settings dialog, without fish: a still picture, so
what a control changes stands out against a screenshot taken before it."""
import configparser
import time
import unittest

import numpy

import aquarium
from aquarium import Dialog, ini_path, pixels, screenshot, wait_until

KINDS = 15
NO_FISH = [0] * KINDS
FISH_DIALOG = "Fish Settings - Free Bluereef Screensaver 1.0"
SETTINGS_DIALOG = "Aquarium Settings - Free Bluereef Screensaver 1.0"
COLOUR_DIALOG = "Color"
CHANGED = 60

# Control identifiers of the two dialogs.
FISH_TOTAL, FISH_RANDOM = 1001, 1009
VOLUME, BUBBLES, FOG, LIGHT = 1010, 1009, 1011, 1030
FRONT_FIXED, FRONT_AUTO, FRONT_COLOUR, LOCK_FORE = 1013, 1022, 1015, 1028
AUTO_VIEWS, VIEWS_LEFT_RIGHT, VIEWS_NEAR_FAR = 1040, 1041, 1042
BASIC_COLOURS, OK = 720, 1


def read_ini():
    parser = configparser.ConfigParser(interpolation=None, strict=False)
    parser.optionxform = str
    parser.read_string(ini_path().read_text(encoding="latin-1"))
    return parser


def stored(section, key):
    return read_ini().get(section, key, fallback=None)


def stored_soon(section, key, value):
    """Whether the key holds `value` within a second: a change reaches the file with one of the
    dialog's ticks, ten a second."""
    return wait_until(lambda: stored(section, key) == value, 1.0)


def changed_fraction(now, before):
    return float((numpy.abs(now - before).sum(axis=2) > CHANGED).mean())


def mean_colour(area):
    return area.reshape(-1, 3).mean(axis=0)


class DialogTest(aquarium.AquariumTestCase):
    def start(self, fish_counts, extra=()):
        aquarium.write_settings(fish_counts, bubbles=False, extra=extra)
        self.start_quiet()

    def beside(self, dialog, shot):
        """The parts of the screen left and right of the dialog: the tank as it shows there."""
        left, _, right, _ = dialog.frame.rect
        return numpy.concatenate([shot[:, :max(left - 10, 0)], shot[:, right + 10:]], axis=1)

    def test_the_fish_dialog_changes_the_tank_while_it_is_open(self):
        self.start(NO_FISH)
        empty = pixels(screenshot("fish-dialog-before"))
        dialog = self.open_dialog("fish counts", FISH_DIALOG)
        self.assertEqual(dialog.text(FISH_TOTAL), "Total: 0/50")
        sheet = pixels(screenshot("dialog-fish"))
        # Every cell of the sheet shows its fish: no cell is a flat, empty colour.
        for kind in range(KINDS):
            x, y = dialog.client_point(100 * (kind % 5) + 2, 90 * (kind // 5) + 2)
            cell = sheet[y + 15:y + 80, x + 10:x + 95]
            self.assertGreater(cell.reshape(-1, 3).std(axis=0).max(), 20, f"cell {kind} shows a fish")

        self.app.click(*dialog.client_point(150, 45))  # the second kind's cell
        self.app.press("a", "a", "a")
        self.assertTrue(wait_until(lambda: dialog.text(FISH_TOTAL) == "Total: 3/50", 5))
        self.assertTrue(stored_soon("Fish Number", "Fish1", "3"), "saved within a second")

        self.app.click(*dialog.centre(FISH_RANDOM))
        self.assertTrue(wait_until(lambda: dialog.text(FISH_TOTAL) != "Total: 3/50", 5))
        total = int(dialog.text(FISH_TOTAL).split()[1].split("/")[0])
        self.assertTrue(15 <= total <= 45, total)
        self.assertTrue(wait_until(lambda: changed_fraction(
            self.beside(dialog, pixels(screenshot("fish-dialog-random"))),
            self.beside(dialog, empty)) > 0.002, 5), "fish swim in the tank beside the dialog")

        self.app.press("Escape")
        self.assertTrue(dialog.gone())
        counts = [int(stored("Fish Number", f"Fish{kind}")) for kind in range(KINDS)]
        self.assertEqual(sum(counts), total, "Escape keeps what the dialog showed")

    def test_every_visible_control_of_the_settings_dialog_acts_on_the_tank(self):
        self.start(NO_FISH)
        dialog = self.open_dialog("settings", SETTINGS_DIALOG)
        picture = pixels(screenshot("dialog-settings"))
        written = ini_path().stat().st_mtime_ns
        time.sleep(3)
        self.assertEqual(ini_path().stat().st_mtime_ns, written,
                         "the open dialog, untouched, leaves the settings file alone")
        for control in (LOCK_FORE, FRONT_FIXED, FRONT_AUTO):
            left, top, _, bottom = dialog.controls[control].rect
            indicator = picture[top:bottom, left:left + 16]
            self.assertGreater(indicator.reshape(-1, 3).std(axis=0).max(), 30,
                               f"control {control} draws its icon or indicator")
        left, top, right, bottom = dialog.controls[FRONT_COLOUR].rect
        swatch = picture[top + 4:bottom - 4, left + 4:right - 4]
        self.assertTrue((swatch > 240).all(), "the light's swatch shows its white")

        def shot_a_second_later(name):
            time.sleep(1.0)
            return screenshot(name)

        def tank():
            return self.beside(dialog, pixels(shot_a_second_later("settings-step")))

        def slide(control, *keys):
            self.app.click(*dialog.centre(control))
            self.app.press(*keys)

        home = tank()
        brightness = mean_colour(home).sum()

        slide(LIGHT, "End")
        dark = tank()
        self.assertLess(mean_colour(dark).sum(), brightness * 0.4, "the light goes out")
        slide(LIGHT, "Home")
        self.assertGreater(mean_colour(tank()).sum(), brightness * 0.9, "and comes back")

        slide(FOG, "End")
        hazy_shot = shot_a_second_later("tank-fog")
        hazy = self.beside(dialog, pixels(hazy_shot))
        before, after = mean_colour(home), mean_colour(hazy)
        self.assertGreater(after[2] - after[0], before[2] - before[0] + 10,
                           "the water's blue-green haze")
        self.assertLess(hazy.reshape(-1, 3).std(axis=0).sum(), home.reshape(-1, 3).std(axis=0).sum(),
                        "the haze softens the picture")
        slide(FOG, "Home")

        still = tank()
        slide(VIEWS_LEFT_RIGHT, "End")
        moved_shot = shot_a_second_later("tank-view")
        self.assertGreater(changed_fraction(self.beside(dialog, pixels(moved_shot)), still), 0.05,
                           "the eye has moved")

        self.app.click(*dialog.centre(FRONT_COLOUR))
        colours = Dialog(COLOUR_DIALOG)
        self.assertTrue(colours.wait_shown(), "the swatch opens the colour dialog")
        left, top, right, bottom = colours.controls[BASIC_COLOURS].rect
        # The basic colours stand in 6 rows of 8: the second row starts with red.
        self.app.click(left + (right - left) // 16, top + 3 * (bottom - top) // 12)
        self.app.click(*colours.centre(OK))
        self.assertTrue(colours.gone())
        tinted_shot = shot_a_second_later("tank-light-colour")
        tinted = mean_colour(self.beside(dialog, pixels(tinted_shot)))
        for key, value in (("FRONTCOLOR", str(0x0000FF)), ("FRONT GUDING", "1"),
                           ("FRONT AUTOJIANBIAN", "0")):
            self.assertTrue(stored_soon("Aquarium Settings", key, value), f"{key} is {value}")
        self.assertLess(tinted[1] + tinted[2], (before[1] + before[2]) * 0.3, "a red light")

        slide(BUBBLES, "Home")
        self.assertTrue(wait_until(lambda: changed_fraction(
            pixels(screenshot("tank-bubbles")), pixels(tinted_shot)) > 0.002, 5), "bubbles rise")

        self.app.press("Escape")
        self.assertTrue(dialog.gone())
        for key, value in (("VIEWSLEFTRIGHT", "7000"), ("QIPAONUM", "0"), ("FOGNONGDU", "0"),
                           ("FRONTCOLOR", "255")):
            self.assertEqual(stored("Aquarium Settings", key), value, f"{key} kept after Escape")


if __name__ == "__main__":
    unittest.main()
