"""The end-to-end harness: the menu on a test medium under Wine, seen and
driven from outside as a person sees and drives it.

A test writes a medium (make_medium), starts the menu on it (Menu), finds its
windows through e2e-probe, which looks at them from inside Wine, moves and
clicks the pointer with xdotool, and looks at screenshots taken with
ImageMagick. Every wait is bounded. Wine, the probe, the display's
resolution and the desktop come from scripts/menu_under_wine.py, which the
demo and the benchmarks use too. A test module runs on a display of its
own (scripts/with-xvfb) and in a Wine prefix of its own, which it stops when
it ends, so nothing it started outlives it.

Needs a Windows build (e2e-probe, the recorder, and the menu that build's
tests run, such as the release's) and the native authoring tool, each where
its build tree's programs.env says.
"""

import configparser
import functools
import os
import shutil
import subprocess
import sys
import time
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "scripts"))
from menu_under_wine import LOGICAL_DPI, TIMEOUT, RunningMenu, Wine, built_program, scaled, wait_for
from window_layout import main_window_layout

BUILD = Path(os.environ.get("STARTART_E2E_BUILD", ROOT / "build" / "win64"))
PACK = Path(os.environ.get("STARTART_PACK") or built_program(ROOT / "build" / "native", "startart-pack"))
PREFIX = Path(os.environ.setdefault("STARTART_WINEPREFIX", str(BUILD / "tests" / "e2e" / "wineprefix")))
MENU_PROGRAM = built_program(BUILD, "startart")
RECORDER = built_program(BUILD, "recorder")
WORK = BUILD / "tests" / "e2e" / "work"
SHOTS = BUILD / "tests" / "e2e" / "shots"

# Wine in the tests' prefix with this build's probe; the tests call it by these names.
WINE = Wine(PREFIX, built_program(BUILD, "e2e-probe"))
wine = WINE.run
start_wine = WINE.start
stop_wine = WINE.stop
set_display_dpi = WINE.set_display_dpi
probe = WINE.probe

# The demo's geometry, which every test medium keeps, as the menu lays out
# its window (scripts/window_layout.py): in client pixels at 100 %, the title
# picture and the frames of the buttons.
def _demo_layout():
    settings = configparser.ConfigParser(interpolation=None)
    settings.read(ROOT / "examples" / "demo" / "medium.ini", encoding="utf-8")
    return main_window_layout(settings["MenuSettings"])


_, TITLE_RECT, _DEMO_FRAMES = _demo_layout()
CELL_WIDTH = _DEMO_FRAMES[0][2] - _DEMO_FRAMES[0][0]
CELL_HEIGHT = _DEMO_FRAMES[0][3] - _DEMO_FRAMES[0][1]


def scaled_rect(rect, dpi):
    """A rectangle of the client area at dpi: its corner and its size scaled."""
    left, top = scaled(rect[0], dpi), scaled(rect[1], dpi)
    return (left, top, left + scaled(rect[2] - rect[0], dpi), top + scaled(rect[3] - rect[1], dpi))


def cell_rect(index, dpi=LOGICAL_DPI):
    """Button index's frame, the place its cell shows, in the client area:
    the demo's first frames, and further ones as far apart."""
    left, first, right, bottom = _DEMO_FRAMES[0]
    step = _DEMO_FRAMES[1][1] - first
    top = first + step * index
    return scaled_rect((left, top, right, top + bottom - first), dpi)


# The cells of design 2 in the button picture: column 1 of rows 0 and 1.
NORMAL_CELL = (160, 0)
HIGHLIGHTED_CELL = (160, 40)
# farbe of the demo's settings.
DEMO_BACKGROUND = (236, 242, 248)


def settle():
    """Gives the menu time to handle input that ought to change nothing."""
    time.sleep(0.5)


def windows_path(path):
    """Wine shows the Linux root as drive Z:."""
    return "Z:" + str(path).replace("/", "\\")


READER_KEY = r"HKCR\Software\Adobe\Acrobat\Exe"

def is_32_bit(program):
    """Whether a Windows program is built for i386: the machine field of its
    PE header."""
    head = program.read_bytes()[:4096]
    pe = int.from_bytes(head[0x3C:0x40], "little")
    return int.from_bytes(head[pe + 4 : pe + 6], "little") == 0x14C


# Where Windows keeps the programs that the menu starts by their system
# names, in the test prefix. A 32-bit program that asks for the system
# folder gets syswow64.
WINDOWS_FOLDER = PREFIX / "drive_c" / "windows"
SYSTEM_FOLDER = WINDOWS_FOLDER / ("syswow64" if is_32_bit(MENU_PROGRAM) else "system32")
STAND_INS = {
    "write.exe": SYSTEM_FOLDER / "write.exe",
    "notepad.exe": SYSTEM_FOLDER / "notepad.exe",
    "explorer.exe": WINDOWS_FOLDER / "explorer.exe",
}
# The browser: the program that the registry names for http and https.
BROWSER = PREFIX / "drive_c" / "browser" / "browser.exe"
BROWSER_PATH = r"C:\browser\browser.exe"


def browser_line(address):
    """What the browser records when the shell hands it an address."""
    return f'"{BROWSER_PATH}" "{address}"'


def install_stand_ins():
    """Recorders in place of write, notepad and explorer, and as the browser,
    with empty logs.
    Wine runs its own programs of the system folder, whatever file lies
    there, unless it is told to load the file. Not explorer, whose copy in
    the system folder is Wine's desktop: its stand-in lies in the Windows
    folder."""
    for name, path in STAND_INS.items():
        if path.parent == SYSTEM_FOLDER:
            wine("reg", "add", r"HKCU\Software\Wine\DllOverrides", "/v", name, "/d", "native", "/f")
        shutil.copy(RECORDER, path)
        path.with_suffix(".log").unlink(missing_ok=True)
    BROWSER.parent.mkdir(parents=True, exist_ok=True)
    shutil.copy(RECORDER, BROWSER)
    BROWSER.with_suffix(".log").unlink(missing_ok=True)
    for protocol in ("http", "https"):
        wine("reg", "add", rf"HKCR\{protocol}\shell\open\command", "/ve", "/d", f'"{BROWSER_PATH}" "%1"', "/f")


def register_reader(command):
    wine("reg", "add", READER_KEY, "/ve", "/d", command, "/f")


def unregister_reader():
    wine("reg", "delete", READER_KEY, "/f", check=False)


def centre(rect):
    return ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)


def near(colour, expected, tolerance=24):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


class Picture:
    """The pixels of an image file, as ImageMagick reads it."""

    def __init__(self, path):
        ppm = subprocess.run(
            ["convert", f"{path}[0]", "-depth", "8", "ppm:-"], capture_output=True, timeout=60, check=True
        ).stdout
        magic, width, height, _, self.data = ppm.split(maxsplit=4)
        assert magic == b"P6"
        self.width, self.height = int(width), int(height)

    def pixel(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.data[offset : offset + 3])


class Shot(Picture):
    """A screenshot, read in Windows screen coordinates."""

    def __init__(self, path, origin):
        super().__init__(path)
        self.origin = origin

    def at(self, point):
        return self.pixel(point[0] + self.origin[0], point[1] + self.origin[1])


class MessageBox:
    def __init__(self, window, children):
        self.caption = window["text"]
        statics = [child["text"] for child in children if child["class"].lower() == "static" and child["text"]]
        self.text = "\n".join(statics).replace("\r\n", "\n")
        self.ok = next(centre(child["window"]) for child in children if child["text"].replace("&", "") == "OK")


class Menu(RunningMenu):
    """startart.exe running on a test medium, which keeps the demo's
    geometry and pictures."""

    def __init__(self, medium, dpi=LOGICAL_DPI):
        self.button_picture = Picture(medium / "bilder" / "knoepfe.bmp")
        super().__init__(WINE, medium, dpi)

    def window_titled(self, caption, timeout=TIMEOUT):
        found = wait_for(lambda: [w for w in self.windows() if w["text"] == caption], f"window {caption!r}", timeout)
        return found[0]

    def wait_until_closed(self, window):
        wait_for(lambda: self.window(window["hwnd"]) is None, f"window {window['text']!r} closing")

    def message_box(self):
        window = wait_for(lambda: self._visible_of_class("#32770"), "a message box")[0]
        return MessageBox(window, probe("children", window["hwnd"]))

    def dismiss(self, box):
        self.desktop.click(box.ok)
        wait_for(lambda: not self._visible_of_class("#32770"), "the message box closing")

    def click_button(self, window, text):
        children = probe("children", window["hwnd"])
        button = next(child for child in children if child["class"] == "Button" and child["text"] == text)
        self.desktop.click(centre(button["window"]))

    def client_point(self, point):
        """A point of the main window's client area on the screen."""
        client = self.main["client"]
        return (client[0] + point[0], client[1] + point[1])

    def move(self, client_point):
        self.desktop.move(self.client_point(client_point))

    def click(self, client_point):
        self.desktop.click(self.client_point(client_point))

    def shot(self, name):
        SHOTS.mkdir(parents=True, exist_ok=True)
        path = SHOTS / f"{name}.png"
        subprocess.run(["import", "-window", "root", str(path)], timeout=60, check=True)
        return Shot(path, self.desktop.origin)

    def looks(self, shot, count):
        """What each of the first count buttons shows: 'normal',
        'highlighted' or 'background', judged by the part of its cell right of
        the label, or None for anything else. Logical points of the cell, on
        the screen where the display's scale puts them."""
        samples = [(CELL_WIDTH - 12, y) for y in (10, 20, 30)]
        looks = {
            "normal": lambda x, y: self.button_picture.pixel(NORMAL_CELL[0] + x, NORMAL_CELL[1] + y),
            "highlighted": lambda x, y: self.button_picture.pixel(HIGHLIGHTED_CELL[0] + x, HIGHLIGHTED_CELL[1] + y),
            "background": lambda x, y: DEMO_BACKGROUND,
        }

        def look(index):
            left, top, _, _ = cell_rect(index, self.dpi)
            for name, colour_at in looks.items():
                if all(
                    near(shot.at(self.client_point((left + scaled(x, self.dpi), top + scaled(y, self.dpi)))), colour_at(x, y))
                    for x, y in samples
                ):
                    return name
            return None

        return [look(index) for index in range(count)]

    def label_ink(self, shot, index, colour=(255, 255, 255), border=None):
        """The bounding box, in the cell's device pixels, of the label colour
        in a button's cell, away from the cell's border (by default 5 logical
        pixels above and below, 8 left and 12 right); None when there is
        none."""
        left, top, right, bottom = cell_rect(index, self.dpi)
        if border is None:
            border = (scaled(8, self.dpi), scaled(5, self.dpi), scaled(12, self.dpi), scaled(5, self.dpi))
        found = [
            (x, y)
            for y in range(border[1], bottom - top - border[3])
            for x in range(border[0], right - left - border[2])
            if near(shot.at(self.client_point((left + x, top + y))), colour, 40)
        ]
        if len(found) < 20:
            return None
        xs, ys = [x for x, _ in found], [y for _, y in found]
        return (min(xs), min(ys), max(xs) + 1, max(ys) + 1)


@functools.cache
def demo_medium():
    """The demo medium with the menu as built; its program is a recorder."""
    folder = WORK / "demo"
    shutil.rmtree(folder, ignore_errors=True)
    subprocess.run(
        [str(ROOT / "scripts" / "make-demo-medium"), str(folder), str(RECORDER)],
        env={**os.environ, "STARTART_PACK": str(PACK)},
        timeout=120,
        check=True,
    )
    shutil.copy(MENU_PROGRAM, folder / "startart.exe")
    return folder


def demo_settings():
    settings = configparser.ConfigParser(interpolation=None)
    settings.read(ROOT / "examples" / "demo" / "medium.ini", encoding="utf-8")
    return settings


def make_medium(name, settings, recorders=()):
    """A medium in a folder of its own: the demo medium with st.art packed
    from the settings, and a recorder copied to each of the given names
    (programs of the medium, or decoys named like the system's programs,
    which must never run)."""
    folder = WORK / name
    shutil.rmtree(folder, ignore_errors=True)
    shutil.copytree(demo_medium(), folder)
    with open(folder / "medium.ini", "w", encoding="utf-8") as text:
        settings.write(text)
    subprocess.run([str(PACK), "pack", str(folder / "medium.ini"), "-o", str(folder / "st.art")], timeout=60, check=True)
    for name in recorders:
        (folder / name).parent.mkdir(parents=True, exist_ok=True)
        shutil.copy(RECORDER, folder / name)
    return folder


def recorded(program):
    """What a recorder was started with: (command line, show state) pairs."""
    log = program.with_suffix(".log")
    if not log.exists():
        return []
    lines = log.read_text(encoding="utf-8").splitlines()
    return [(command, int(show)) for command, show in (line.rsplit("\t", 1) for line in lines)]


def wait_for_record(program, count=1):
    return wait_for(lambda: len(recorded(program)) >= count and recorded(program), f"{program.name} starting")


class MenuTestCase(unittest.TestCase):
    """Starts every test module on a fresh prefix and ends it with nothing
    of Wine left running."""

    @classmethod
    def setUpClass(cls):
        stop_wine()
        cls.addClassCleanup(stop_wine)
        start_wine()

    def start_menu(self, medium, dpi=LOGICAL_DPI):
        menu = Menu(medium, dpi)
        self.addCleanup(menu.stop)
        return menu
