"""The application shell as a user meets it: first start, the window, a second copy, the ways out."""
import configparser
import subprocess
import time
import unittest

import aquarium
from aquarium import Aquarium, ini_path, probe, wait_until

# Every key the first start must write, with its default text.
DEFAULTS = {
    "Aquarium Settings": {
        "Show Water": "0", "Show Light": "0", "Show Terra": "1",
        "FRONT GUDING": "1", "FRONTCOLOR": "16777215", "FRONT MANJIANBIAN": "0",
        "FRONT COLOR1": "16777215", "FRONT COLOR2": "16777215", "FRONT AUTOJIANBIAN": "0",
        "CHECK LOCKFORE": "0", "LOCKFORE ROT": "0",
        "BACK GUDING": "1", "BACKCOLOR": "0", "BACK MANJIANBIAN": "0",
        "BACK COLOR1": "65280", "BACK COLOR2": "0", "BACK AUTOJIANBIAN": "0",
        "CHECK LOCKBACK": "0", "LOCKBACK ROT": "0",
        "YINLIANG": "32767.5", "QIPAONUM": "100", "BACKGROUND": "0",
        "FOGNONGDU": "0", "LIGHTQIANGDU": "0",
        "CHECK VIEWS": "1", "VIEWSLEFTRIGHT": "0", "VIEWSNEARFAR": "0",
    },
}


def read_ini():
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str  # keys keep their case
    parser.read_string(ini_path().read_text(encoding="latin-1"))
    return parser


class ShellTest(unittest.TestCase):
    def setUp(self):
        aquarium.require_session()
        self.app = Aquarium()

    def tearDown(self):
        self.app.stop()

    def start_and_wait(self):
        self.app.start()
        return self.app.wait_for_window()

    def test_first_start_writes_every_setting_with_its_default(self):
        aquarium.remove_ini()
        self.start_and_wait()
        self.assertTrue(wait_until(ini_path().exists, 30), "no settings file was written")
        ini = read_ini()
        for section, keys in DEFAULTS.items():
            for key, value in keys.items():
                self.assertEqual(ini.get(section, key), value, f"[{section}] {key}")
        counts = [ini.getint("Fish Number", f"Fish{kind}") for kind in range(15)]
        self.assertTrue(all(1 <= count <= 3 for count in counts), counts)
        aquarium.copy_to_output(ini_path(), "first-start-BluereefScrSet.ini")

    def test_window_covers_the_screen_without_caption_border_or_menu(self):
        frame, children = self.start_and_wait()
        screen, _ = probe()
        self.assertEqual(screen, (1024, 768))
        aquarium.check_covers_screen(self, frame, children, screen)

    def test_second_copy_ends_at_once_without_a_window(self):
        self.start_and_wait()
        started = time.monotonic()
        second = subprocess.run(["wine", aquarium.EXE], timeout=60)
        self.assertEqual(second.returncode, 0)
        self.assertLess(time.monotonic() - started, 20)
        _, windows = probe()
        self.assertEqual(len(windows), 1, "only the first copy's window may exist")
        self.assertTrue(self.app.running(), "the first copy must run on")

    def test_escape_ends_at_once_and_leaves_the_settings_file_unchanged(self):
        self.start_and_wait()
        self.assertTrue(wait_until(ini_path().exists, 30))
        before = ini_path().read_bytes()
        self.app.key("Escape")
        self.assertEqual(self.app.wait_exit(timeout=20), 0)
        self.assertEqual(ini_path().read_bytes(), before)

    def test_alt_f4_closes_through_the_normal_teardown(self):
        self.start_and_wait()
        self.app.key("alt+F4")
        self.assertEqual(self.app.wait_exit(timeout=20), 0)
        self.assertEqual(probe()[1], [], "no window may be left behind")


if __name__ == "__main__":
    unittest.main()
