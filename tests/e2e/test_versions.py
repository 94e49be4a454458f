"""Both program files as Windows shows them: each names itself and its architecture in its version
resource, and is a program of that architecture."""
import os
import re
import struct
import subprocess
import tempfile
import unittest

import aquarium

SCREEN_SAVER = os.environ.get("BLUEREEF_SCR", "")
VERSIONPROBE = os.environ.get("VERSIONPROBE_EXE", "")
# The architecture of this build: its files' descriptions and their PE headers' machine type.
ARCHITECTURES = {"x64": (" (64-bit)", 0x8664), "x86": (" (32-bit)", 0x14C)}


def windows_path(path):
    """A Unix path as Windows programs see it, through the prefix's Z: drive."""
    return "Z:" + str(path).replace("/", "\\")


def pe_machine(path):
    """The machine type that a program file's PE header names."""
    with open(path, "rb") as file:
        header = file.read(4096)
    pe_offset = struct.unpack_from("<I", header, 0x3C)[0]
    assert header[pe_offset:pe_offset + 4] == b"PE\0\0"
    return struct.unpack_from("<H", header, pe_offset + 4)[0]


class VersionTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        aquarium.require_session()
        if not (SCREEN_SAVER and VERSIONPROBE):
            raise RuntimeError("run through CTest, which names the built files")

    def test_both_files_name_themselves_and_their_architecture(self):
        suffix, machine = ARCHITECTURES[os.environ["BLUEREEF_ARCH"]]
        for path, name, description in [(aquarium.EXE, "BluereefScr.exe", "Bluereef aquarium"),
                                         (SCREEN_SAVER, "BluereefScr.scr",
                                          "Bluereef aquarium screen saver")]:
            with self.subTest(file=name):
                with tempfile.TemporaryFile(mode="w+", encoding="latin-1") as output:
                    code = subprocess.run(["wine", VERSIONPROBE, windows_path(path)], stdout=output,
                                          stderr=subprocess.DEVNULL, timeout=120).returncode
                    output.seek(0)
                    text = output.read()
                self.assertEqual(code, 0, text)
                fields = dict(re.findall(r"^(\w+)=(.*?)\s*$", text, re.MULTILINE))
                self.assertEqual(fields, {
                    "ProductName": "Free Bluereef Screensaver",
                    "FileDescription": description + suffix,
                    "FileVersion": "1.0", "ProductVersion": "1.0",
                    "FileVersionNumbers": "1.0.0.0", "ProductVersionNumbers": "1.0.0.0",
                    "OriginalFilename": name, "InternalName": name, "CompanyName": "Bluereef",
                    "LegalCopyright": "Copyright (C) Bluereef",
                    # Explorer shows a file's first icon group: the aquarium's own
                    # (IDR_MAINFRAME), not one of the menu's or the dialogs' pictures.
                    "FirstIcon": "128"})
                self.assertEqual(pe_machine(path), machine)


if __name__ == "__main__":
    unittest.main()
