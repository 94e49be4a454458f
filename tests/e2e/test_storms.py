"""Thirty seconds of random real input in each dialog and in the menu (bench/storm.py, which
bench/storms.sh runs for five minutes each): the program stays alive and answers, and every
settings file it writes meanwhile loads. On a display, a prefix and a Wine server of their own,
beside the other end-to-end tests."""
import os
import random
import sys
import unittest
from pathlib import Path
from unittest import mock

import aquarium

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "bench"))
import storm  # noqa: E402

PREFIX = Path(os.environ.get("BLUEREEF_SEPARATE_PREFIX", "/tmp/bluereef-wine-storms"))


class StormTest(unittest.TestCase):
    def test_random_input_in_each_dialog_and_the_menu_loses_nothing(self):
        aquarium.require_session()
        random.seed(1)
        with aquarium.SeparateSession("1024x768", PREFIX) as session, \
                mock.patch.dict(os.environ, session.env):
            # One program takes every storm in turn: a start for each would cost more than a
            # storm of this length.
            app = storm.start_program()
            try:
                for target in storm.TARGET_ITEMS:
                    with self.subTest(target=target):
                        result = storm.run_storm(30, target, app)
                        self.assertEqual(result["alive"], 1, "the program is alive")
                        self.assertNotIn("exit_code", result,
                                         "and still runs once what the storm opened is closed")
                        self.assertEqual(result["unanswered"], 0, "and answers")
                        self.assertEqual(result["unloadable"], 0, "every settings file loads")
                        self.assertGreater(result["actions"], 10, "the input reached it")
                    if not app.running():
                        break
            finally:
                app.stop()


if __name__ == "__main__":
    unittest.main()
