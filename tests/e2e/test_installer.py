"""The product as a Windows user gets it: the setup program, run silently on a fresh prefix of its
own as on a new machine of this build's architecture, puts that architecture's aquarium and screen
saver where Windows finds them and registers an uninstaller that takes all of it off again but the
user's settings. The setup program's stub is 32-bit code: where that does not run, neither does
this test."""
import filecmp
import os
import re
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

import aquarium
from aquarium import SeparateSession, probe, wait_until

PREFIX = Path(os.environ.get("BLUEREEF_INSTALLER_PREFIX", "/tmp/bluereef-wine-installer"))
SETUP = os.environ.get("BLUEREEF_SETUP", "")
SCREEN_SAVER = os.environ.get("BLUEREEF_SCR", "")
INSTALL_DIR = r"C:\Program Files\Bluereef"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\BluereefScr"
# A 64-bit Windows: the 64-bit files in the 64-bit places, nothing in the 32-bit ones.
SIXTY_FOUR_BIT = os.environ.get("BLUEREEF_ARCH") == "x64"


class InstallerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        aquarium.require_session()
        if not SCREEN_SAVER:
            raise RuntimeError("run through CTest, which names the built files")
        # CTest reports a test that prints this reason as skipped, never as passed.
        if "x86" not in os.environ.get("BLUEREEF_ARCHS", "").split():
            raise unittest.SkipTest("not run here: the setup program is 32-bit code, and 32-bit "
                                    "code is not run (BLUEREEF_ARCHS="
                                    f"{os.environ.get('BLUEREEF_ARCHS', '')})")
        if not Path(SETUP).is_file():
            raise unittest.SkipTest("not run here: no setup program was built "
                                    "(makensis, package nsis, is missing)")
        # Nothing an earlier run installed may stand in for what this run installs.
        shutil.rmtree(PREFIX, ignore_errors=True)
        cls.session = SeparateSession("1024x768", PREFIX).__enter__()
        # Wine would copy the Start-menu entry into the desktop's menu of this Linux account.
        cls.env = dict(cls.session.env, WINEDLLOVERRIDES=os.environ.get("WINEDLLOVERRIDES", "")
                       + ";winemenubuilder.exe=d")

    @classmethod
    def tearDownClass(cls):
        cls.session.__exit__()

    def wine(self, *args, timeout=120):
        """Runs a Windows program to its end; returns its exit code and what it printed."""
        # Through a file, not a pipe: a Wine helper the program starts may hold a pipe open.
        with tempfile.TemporaryFile(mode="w+", encoding="latin-1") as output:
            code = subprocess.run(["wine", *args], stdout=output, stderr=subprocess.DEVNULL,
                                  env=self.env, timeout=timeout).returncode
            output.seek(0)
            return code, output.read()

    def uninstall_entry(self):
        """The values of the uninstall entry in the list of installed programs, or None."""
        code, text = self.wine("reg", "query", UNINSTALL_KEY,
                               *(["/reg:64"] if SIXTY_FOUR_BIT else []))
        if code != 0:
            return None
        return {name: value for name, value in
                re.findall(r"^\s+(\w+)\s+REG_\w+\s+(.*?)\s*$", text, re.MULTILINE)}

    def test_silent_setup_installs_and_its_uninstaller_takes_off_all_but_the_settings(self):
        drive = PREFIX / "drive_c"
        program_dir = drive / "Program Files" / "Bluereef"
        system_saver = drive / "windows" / "system32" / "BluereefScr.scr"
        shortcut = (drive / "ProgramData" / "Microsoft" / "Windows" / "Start Menu" / "Programs"
                    / "Bluereef Aquarium.lnk")
        ini = drive / "windows" / "BluereefScrSet.ini"

        self.assertEqual(self.wine(SETUP, "/S")[0], 0)
        for installed, built in [(program_dir / "BluereefScr.exe", aquarium.EXE),
                                 (program_dir / "BluereefScr.scr", SCREEN_SAVER),
                                 (system_saver, SCREEN_SAVER)]:
            with self.subTest(installed=installed.name, folder=installed.parent.name):
                self.assertTrue(installed.is_file() and filecmp.cmp(installed, built, False))
        self.assertTrue(shortcut.is_file(), "no Start-menu entry")
        if SIXTY_FOUR_BIT:
            for misplaced in [drive / "Program Files (x86)" / "Bluereef",
                              drive / "windows" / "syswow64" / "BluereefScr.scr"]:
                self.assertFalse(misplaced.exists(), f"{misplaced} is a 32-bit place")

        entry = self.uninstall_entry()
        self.assertIsNotNone(entry, "no entry in the list of installed programs")
        uninstaller = rf'"{INSTALL_DIR}\Uninstall.exe"'
        self.assertEqual({name: entry.get(name) for name in [
            "DisplayName", "DisplayVersion", "InstallLocation", "UninstallString",
            "QuietUninstallString", "NoModify", "NoRepair"]}, {
            "DisplayName": "Free Bluereef Screensaver", "DisplayVersion": "1.0",
            "InstallLocation": INSTALL_DIR, "UninstallString": uninstaller,
            "QuietUninstallString": uninstaller + " /S", "NoModify": "0x1", "NoRepair": "0x1"})
        # In KiB: the program folder and the screen saver's copy in the system folder.
        installed = sum(f.stat().st_size for f in [*program_dir.iterdir(), system_saver])
        self.assertAlmostEqual(int(entry["EstimatedSize"], 16), installed / 1024, delta=2)

        # The screen saver runs from where the system starts it.
        # Windows starts it from a process of its own size: Wine's 32-bit loader would look for
        # it in the 32-bit system folder.
        loader = "/usr/lib/wine/wine64" if SIXTY_FOUR_BIT else "wine"
        saver = subprocess.Popen([loader, r"C:\windows\system32\BluereefScr.scr", "/s"],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                 env=self.env)
        try:
            shown = wait_until(lambda: [w for w in probe(self.env)[1] if w[0].visible], 60, 0.25)
            self.assertTrue(shown, "the installed screen saver shows no window")
        finally:
            saver.kill()
            saver.wait(timeout=30)
            wait_until(lambda: not probe(self.env)[1], 20, interval=0.2)

        settings = b"[Aquarium Settings]\r\nQIPAONUM=110\r\n"
        ini.write_bytes(settings)
        # The registered command returns at once: the uninstaller copies itself away and runs the
        # copy with _?=<folder>, so that it can delete its own file. Doing the same here lets the
        # test wait for the copy. NSIS reads _?= unquoted to the end of the command line, and Wine
        # quotes an argument that holds a space: the folder goes in pieces that join with spaces.
        with tempfile.TemporaryDirectory() as temp:
            copy = shutil.copy(program_dir / "Uninstall.exe", temp)
            folder = INSTALL_DIR.split(" ")
            code, _ = self.wine(copy, "/S", "_?=" + folder[0], *folder[1:])
        self.assertEqual(code, 0)
        for removed in [program_dir, system_saver, shortcut]:
            self.assertFalse(removed.exists(), f"{removed} is left behind")
        self.assertIsNone(self.uninstall_entry(), "the uninstall entry is left behind")
        self.assertEqual(ini.read_bytes(), settings, "the settings file was touched")


if __name__ == "__main__":
    unittest.main()
