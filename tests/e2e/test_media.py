"""The user's own music and pictures as a person uses them: files chosen in the system's file
dialog, played or shown, and all of it back after a restart. What plays is heard through a sound
configuration that sends the program's audio to a file; what shows is read from screenshots.

The tank starts without fish or bubbles, so only the backdrop changes between screenshots."""
import os
import subprocess
import tempfile
import time
import unittest
import wave
from pathlib import Path

import numpy

import aquarium
from aquarium import Dialog, TITLE, pixels, probe, screenshot, wait_until, windows_dir

MUSIC_DIALOG = "Custom Music - Free Bluereef Screensaver 1.0"
BACKGROUND_DIALOG = "Custom Background - Free Bluereef Screensaver 1.0"
SETTINGS_DIALOG = "Aquarium Settings - Free Bluereef Screensaver 1.0"
NO_FISH = [0] * 15
WS_DISABLED = 0x08000000

# Control identifiers.
MUSIC_ON, MUSIC_LIST, MUSIC_ADD, MUSIC_PLAY, MUSIC_VOLUME = 1011, 1016, 1017, 1021, 1007
MUSIC_POSITION = 1006
REPEAT_ONE, REPEAT_ALL = 1023, 1024
IMAGE_ON, IMAGE_LIST, IMAGE_ADD = 1014, 1015, 1008
SETTINGS_VOLUME = 1010

# Where the test's own files lie: a folder with a space in its name, and one with an accent.
MEDIA_FOLDER = "media test"
ACCENTED_FOLDER = "m\u00e9dia"
SAMPLE_RATE = 22050
LOW_TONE, HIGH_TONE = 440, 1500

# The test pictures: each has a colour on its left half and another on its right, so a picture
# shown mirrored is no picture of the set. Colours by their strongest channel: 0 red, 1 green,
# 2 blue.
PICTURES = {"reef.jpg": (0, 1), "lagoon.png": (1, 2), "kelp.bmp": (2, 0)}
CHANNEL_COLOURS = [(230, 20, 20), (20, 230, 20), (20, 20, 230)]

VOLUME_PROFILE_KEY = r"HKCU\Software\Local AppWizard-Generated Applications\BluereefScr\Settings"


def windows_path(unix_path):
    return "C:\\" + str(unix_path.relative_to(windows_dir().parent)).replace("/", "\\")


def write_tone(path, frequency, seconds):
    t = numpy.arange(int(SAMPLE_RATE * seconds)) / SAMPLE_RATE
    samples = (numpy.sin(2 * numpy.pi * frequency * t) * 12000).astype("<i2")
    with wave.open(str(path), "wb") as sound:
        sound.setnchannels(1)
        sound.setsampwidth(2)
        sound.setframerate(SAMPLE_RATE)
        sound.writeframes(samples.tobytes())


def write_picture(path, left, right, width=640, height=400):
    """A picture of two halves, written through a plain PPM by ImageMagick in the format its name
    asks for."""
    image = numpy.zeros((height, width, 3), numpy.uint8)
    image[:, :width // 2] = CHANNEL_COLOURS[left]
    image[:, width // 2:] = CHANNEL_COLOURS[right]
    with tempfile.NamedTemporaryFile(suffix=".ppm") as ppm:
        ppm.write(f"P6 {width} {height} 255\n".encode() + image.tobytes())
        ppm.flush()
        subprocess.run(["convert", ppm.name, str(path)], check=True, timeout=60)


def dominant_channel(area):
    """The channel that stands clearly above the other two in the area's mean colour, or None
    (a mixture, as in the middle of a cross-fade)."""
    mean = area.reshape(-1, 3).mean(axis=0)
    order = numpy.argsort(mean)
    return int(order[2]) if mean[order[2]] > 2 * mean[order[1]] + 10 else None


def picture_on_backdrop(shot):
    """The test picture the backdrop shows, by the colours of its left and right parts."""
    height, width, _ = shot.shape
    rows = slice(height // 5, height // 2)
    halves = (dominant_channel(shot[rows, width // 20:width // 5]),
              dominant_channel(shot[rows, width * 4 // 5:width * 19 // 20]))
    return next((name for name, colours in PICTURES.items() if colours == halves), None)


class SoundCapture:
    """A sound configuration whose default device writes what is played, as 16-bit samples, to a
    file; the program is started with it."""

    def __init__(self, folder):
        self.path = Path(folder) / "capture.raw"
        config = Path(folder) / "config"
        (config / "alsa").mkdir(parents=True, exist_ok=True)
        (config / "alsa" / "asoundrc").write_text(
            f'pcm.!default {{ type file; slave.pcm "null"; file "{self.path}"; format "raw" }}\n')
        self.env = dict(os.environ, XDG_CONFIG_HOME=str(config))

    def size(self):
        return self.path.stat().st_size if self.path.exists() else 0

    def recent(self, count=4096):
        """The last samples written: the device's file starts afresh each time it is opened."""
        raw = self.path.read_bytes() if self.path.exists() else b""
        return numpy.frombuffer(raw[len(raw) % 2:], "<i2").astype(float)[-count:]

    def level(self):
        samples = self.recent()
        return float(samples.std()) if len(samples) else 0.0

    def tone(self):
        """The frequency of the strongest tone among the last samples, or None in silence."""
        samples = self.recent()
        if len(samples) < 4096 or samples.std() < 1000:
            return None
        spectrum = numpy.abs(numpy.fft.rfft(samples))
        return spectrum.argmax() * SAMPLE_RATE / len(samples)

    def growing(self, seconds=1.0):
        before = self.size()
        time.sleep(seconds)
        return self.size() != before


def near(frequency, wanted):
    return frequency is not None and abs(frequency - wanted) < 20


class MediaTest(aquarium.AquariumTestCase):
    def setUp(self):
        super().setUp()
        self.forget_music_volume()
        self.media = windows_dir().parent / MEDIA_FOLDER
        self.media.mkdir(exist_ok=True)
        self.scratch = tempfile.TemporaryDirectory()
        self.sound = SoundCapture(self.scratch.name)

    def tearDown(self):
        super().tearDown()
        self.forget_music_volume()
        self.scratch.cleanup()

    def forget_music_volume(self):
        subprocess.run(["wine", "reg", "delete", VOLUME_PROFILE_KEY, "/v", "Volume", "/f"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)

    def start(self):
        self.start_quiet(env=self.sound.env)

    def choose_file(self, button, dialog, path):
        """Clicks the dialog's add button and types the file's path into the file dialog."""
        self.app.click(*dialog.centre(button))
        chooser = Dialog("Open")
        self.assertTrue(chooser.wait_shown(), "the system's file dialog opens")
        subprocess.run(["xdotool", "type", "--delay", "20", path], check=True, timeout=60)
        self.app.press("Return")
        self.assertTrue(chooser.gone())
        time.sleep(0.5)

    def control(self, dialog, control_id):
        dialog.wait_shown()
        return dialog.controls[control_id]

    def message_box(self):
        """The texts of the program's message box, when one shows."""
        for window, children in probe(title=TITLE)[1]:
            if window.class_name == "#32770" and window.visible:
                return [child.title for child in children if child.class_name == "Static"]
        return None

    def test_own_music_plays_in_turn_instead_of_the_tune_and_comes_back_after_a_restart(self):
        write_tone(self.media / "low tone.wav", LOW_TONE, 6)
        write_tone(self.media / "high tone.wav", HIGH_TONE, 6)
        aquarium.write_settings(NO_FISH, bubbles=False)
        self.start()
        self.assertTrue(wait_until(lambda: self.sound.level() > 1000, 10), "the tune plays")

        settings = self.open_dialog("settings", SETTINGS_DIALOG)
        self.app.click(*settings.centre(SETTINGS_VOLUME))
        self.app.press("End")
        self.assertTrue(wait_until(lambda: self.sound.level() < 50, 5), "the slider silences it")
        self.app.press("Home")
        self.assertTrue(wait_until(lambda: self.sound.level() > 1000, 5), "and brings it back")
        self.app.press("Escape")
        self.assertTrue(settings.gone())

        music = self.open_dialog("music", MUSIC_DIALOG)
        self.app.click(*music.centre(MUSIC_ON))
        time.sleep(1.0)
        self.assertFalse(self.sound.growing(), "own music with an empty list: silence")

        for name in ("low tone.wav", "high tone.wav"):
            self.choose_file(MUSIC_ADD, music, windows_path(self.media / name))
        self.assertEqual(self.control(music, MUSIC_LIST).state["items"], 2)
        self.app.click(*music.centre(REPEAT_ALL))
        self.app.click(*music.centre(MUSIC_PLAY))
        heard = set()
        wait_until(lambda: heard.add(self.sound.tone()) or
                   (any(near(f, LOW_TONE) for f in heard) and any(near(f, HIGH_TONE) for f in heard)),
                   15, interval=0.1)
        self.assertTrue(any(near(f, LOW_TONE) for f in heard), f"the first file plays: {heard}")
        self.assertTrue(any(near(f, HIGH_TONE) for f in heard), f"then the second: {heard}")
        self.assertTrue(self.control(music, MUSIC_ADD).style & WS_DISABLED,
                        "the list is not edited while it plays")
        self.assertTrue(wait_until(lambda: self.control(music, MUSIC_POSITION).state["position"] > 0,
                                   5), "the playing position moves on")
        screenshot("dialog-music")

        self.app.click(*music.centre(MUSIC_VOLUME))
        self.app.press("Home", "Next", "Next", "Next")
        volume = self.control(music, MUSIC_VOLUME).state["position"]
        self.assertTrue(0 < volume < 1000, volume)
        self.app.press("Escape")
        self.assertTrue(music.gone())
        self.app.stop()

        self.start()
        heard.clear()
        self.assertTrue(wait_until(lambda: heard.add(self.sound.tone()) or
                                   any(near(f, LOW_TONE) or near(f, HIGH_TONE) for f in heard),
                                   15, interval=0.1), "the list plays again at start")
        music = self.open_dialog("music", MUSIC_DIALOG)
        self.assertEqual(self.control(music, MUSIC_LIST).state["items"], 2)
        self.assertEqual(music.controls[MUSIC_ON].state["check"], 1)
        self.assertEqual(music.controls[REPEAT_ALL].state["check"], 1)
        self.assertEqual(music.controls[REPEAT_ONE].state["check"], 0)
        self.assertEqual(music.controls[MUSIC_VOLUME].state["position"], volume)

    def test_own_pictures_take_turns_on_the_backdrop_and_come_back_after_a_restart(self):
        accented = self.media / ACCENTED_FOLDER
        accented.mkdir(exist_ok=True)
        for name, (left, right) in PICTURES.items():
            write_picture((accented if name == "kelp.bmp" else self.media) / name, left, right)
        (self.media / "broken.jpg").write_bytes(b"\xff\xd8\xff\xe0 not the rest of a picture")
        # The accented path is typed by nobody: it comes from the file, as after a restart.
        kelp = windows_path(accented / "kelp.bmp")
        # A picture deleted (or on a drive taken away) since it was added: passed over in silence
        # and kept in the list.
        gone = windows_path(self.media / "gone.png")
        aquarium.write_settings(NO_FISH, bubbles=False, sections={
            "Custom Images": ["ImageSum=2", f"ImageList0={kelp}", f"ImageList1={gone}",
                              "ImageTime=2", "CycImage=1"]})
        self.start()
        self.assertIsNone(self.message_box(), "no message at start-up")
        reef = pixels(screenshot("media-reef"))
        self.assertIsNone(picture_on_backdrop(reef), "the reef shows until the show starts")

        background = self.open_dialog("background", BACKGROUND_DIALOG)
        for name in ("reef.jpg", "lagoon.png"):
            self.choose_file(IMAGE_ADD, background, windows_path(self.media / name))
        self.assertEqual(self.control(background, IMAGE_LIST).state["items"], 3)
        self.choose_file(IMAGE_ADD, background, windows_path(self.media / "broken.jpg"))
        texts = wait_until(self.message_box, 10)
        self.assertIn(f"({windows_path(self.media / 'broken.jpg')})image loading error.", texts)
        self.app.press("Return")
        self.assertTrue(wait_until(lambda: self.message_box() is None, 10))
        self.assertTrue(self.app.running(), "a broken picture does not end the program")
        self.assertEqual(self.control(background, IMAGE_LIST).state["items"], 3)

        self.app.click(*background.centre(IMAGE_ON))
        screenshot("dialog-background")
        self.app.press("Escape")
        self.assertTrue(background.gone())
        seen = set()
        for moment in range(30):
            seen.add(picture_on_backdrop(pixels(screenshot("media-show"))))
            if set(PICTURES) <= seen:
                break
            time.sleep(0.4)
        self.assertLessEqual(set(PICTURES), seen, "every picture shows on the backdrop in turn")
        screenshot("tank-user-picture")
        self.app.stop()

        self.start()
        self.assertTrue(wait_until(lambda: picture_on_backdrop(pixels(screenshot("media-again")))
                                   in PICTURES, 10), "the show runs again after a restart")
        background = self.open_dialog("background", BACKGROUND_DIALOG)
        self.assertEqual(self.control(background, IMAGE_LIST).state["items"], 3)
        self.assertEqual(background.controls[IMAGE_ON].state["check"], 1)
        self.assertEqual(background.controls[REPEAT_ALL].state["check"], 1)
        stored = aquarium.ini_path().read_text(encoding="latin-1").splitlines()
        self.assertIn("ImageTime=2", stored)
        self.assertIn(f"ImageList3={gone}", stored, "the missing picture is kept, at the end")

    def test_an_eleventh_picture_is_refused_with_a_message(self):
        write_picture(self.media / "one.png", 0, 1, 64, 40)
        path = windows_path(self.media / "one.png")
        aquarium.write_settings(NO_FISH, bubbles=False, sections={
            "Custom Images": ["ImageSum=10", *(f"ImageList{i}={path}" for i in range(10))]})
        self.start()
        background = self.open_dialog("background", BACKGROUND_DIALOG)
        self.assertEqual(self.control(background, IMAGE_LIST).state["items"], 10)
        self.choose_file(IMAGE_ADD, background, path)
        self.assertIn("The maximum number of background is: 10", wait_until(self.message_box, 10))
        self.app.press("Return")
        self.assertEqual(self.control(background, IMAGE_LIST).state["items"], 10)

    def test_pictures_that_cannot_show_say_so_and_the_show_goes_on_with_the_rest(self):
        write_picture(self.media / "reef.jpg", *PICTURES["reef.jpg"])
        write_picture(self.media / "dot.png", 0, 0, 1, 1)
        (self.media / "empty.png").write_bytes(b"")
        png = (self.media / "dot.png").read_bytes()
        # The PNG header's width and height, big-endian, after the signature and the chunk's head.
        (self.media / "huge.png").write_bytes(png[:16] + (30000).to_bytes(4, "big") * 2 + png[24:])
        reef = (self.media / "reef.jpg").read_bytes()
        (self.media / "cut.jpg").write_bytes(reef[:len(reef) // 2])
        (self.media / "notes.jpg").write_text("a shopping list, renamed")
        # Wine's file dialog itself fails on a path longer than 260 characters, so a path of a
        # 250-character folder and file comes from the settings file, as from another machine.
        long_folder = self.media / ("f" * 250)
        long_folder.mkdir(exist_ok=True)
        long_path = windows_path(long_folder / ("p" * 246 + ".bmp"))
        write_picture(long_folder / ("p" * 246 + ".bmp"), 1, 2, 64, 40)
        unicode_folder = self.media / "unicode"
        unicode_folder.mkdir(exist_ok=True)
        write_picture(unicode_folder / "\u6c34.png", 1, 2, 64, 40)
        aquarium.write_settings(NO_FISH, bubbles=False, sections={"Custom Images": [
            "OwnImage=1", "CycImage=1", "ImageSum=1", f"ImageList0={long_path}"]})
        self.start()
        self.assertIsNone(self.message_box(), "a stored path too long to open is passed over")
        background = self.open_dialog("background", BACKGROUND_DIALOG)
        self.choose_file(IMAGE_ADD, background, windows_path(self.media / "reef.jpg"))
        refused = ["empty.png", "huge.png", "cut.jpg", "notes.jpg"]
        for name in ["dot.png", *refused]:
            self.choose_file(IMAGE_ADD, background, windows_path(self.media / name))
            texts = wait_until(self.message_box, 3)
            if name in refused:
                path = windows_path(self.media / name)
                self.assertIn(f"({path})image loading error.", texts or [], name)
                self.app.press("Return")
                self.assertTrue(wait_until(lambda: self.message_box() is None, 10))
            else:
                self.assertIsNone(texts, "a picture of one pixel is a picture")
        # A name outside the ANSI code page, picked in the dialog's list (it cannot be typed): the
        # ANSI dialog hands back "?" in its place, which names no file.
        self.app.click(*background.centre(IMAGE_ADD))
        chooser = Dialog("Open")
        self.assertTrue(chooser.wait_shown())
        subprocess.run(["xdotool", "type", "--delay", "20", windows_path(unicode_folder) + "\\"],
                       check=True, timeout=60)
        self.app.press("Return")
        time.sleep(1)
        chooser.wait_shown()
        files = next(c for c in chooser.controls.values() if c.class_name == "SHELLDLL_DefView")
        self.app.click(files.rect[0] + 35, files.rect[1] + 10)
        self.app.press("Return")
        texts = wait_until(self.message_box, 5)
        self.assertIn(f"({windows_path(unicode_folder)}\\?.png)image loading error.", texts or [])
        self.app.press("Return")
        self.assertEqual(self.control(background, IMAGE_LIST).state["items"], 2)
        # A picture that cannot be read stopped the show: off and on again starts it. (Apart by
        # more than a double click's time.)
        self.app.click(*background.centre(IMAGE_ON))
        time.sleep(0.8)
        self.app.click(*background.centre(IMAGE_ON))
        self.app.press("Escape")
        self.assertTrue(background.gone())
        self.assertTrue(wait_until(lambda: picture_on_backdrop(pixels(screenshot("media-after-refusals")))
                                   == "reef.jpg", 10), "the show goes on with what could be read")
        stored = aquarium.ini_path().read_text(encoding="latin-1").splitlines()
        self.assertIn("ImageSum=3", stored)
        self.assertIn(f"ImageList2={long_path}", stored, "the long path is kept, at the end")

    def test_music_that_cannot_play_is_passed_over_and_a_file_gone_while_playing_stops_the_list(self):
        write_tone(self.media / "tone.wav", LOW_TONE, 4)
        tone = (self.media / "tone.wav").read_bytes()
        (self.media / "cut.wav").write_bytes(tone[:30])
        (self.media / "notes.wav").write_text("not a sound at all")
        (self.media / "empty.wav").write_bytes(b"")
        names = ["cut.wav", "notes.wav", "empty.wav", "tone.wav"]
        entries = [f"MusicList{i}={windows_path(self.media / n)}" for i, n in enumerate(names)]
        aquarium.write_settings(NO_FISH, bubbles=False, sections={
            "Custom Settings": ["OwnMusic=1", "CycMusic=1", f"MusicSum={len(names)}", *entries]})
        self.start()
        heard = set()
        self.assertTrue(wait_until(lambda: heard.add(self.sound.tone()) or
                                   any(near(f, LOW_TONE) for f in heard), 15, interval=0.1),
                        f"the one playable file plays after the three that cannot: {heard}")
        (self.media / "tone.wav").unlink()
        self.assertTrue(wait_until(lambda: not self.sound.growing(1.0), 20),
                        "with no file left to play the list stops")
        music = self.open_dialog("music", MUSIC_DIALOG)
        self.assertEqual(self.control(music, MUSIC_LIST).state["items"], len(names))
        self.assertFalse(self.control(music, MUSIC_ADD).style & WS_DISABLED,
                         "the stopped list can be edited again")
        self.app.press("Escape")
        stored = aquarium.ini_path().read_text(encoding="latin-1").splitlines()
        self.assertIn(f"MusicSum={len(names)}", stored, "nothing of the list is lost")


if __name__ == "__main__":
    unittest.main()
