"""The main window's layout as src/menu/window_layout.h lays it out, at 15
twips a pixel on a screen that holds the window whole: the same steps, each
landing on a whole pixel, halves to even. For the scripts and tests that make
media for the menu and look at it.

  window_layout.py MEDIUM.ini title     prints the title picture's size, WxH
"""

import configparser
import sys

TWIPS_PER_PIXEL = 15
# The constants of src/menu/window_layout.h.
MINIMUM_WINDOW_HEIGHT, FRAME_HEIGHT, COLUMN_MARGIN, COLUMN_GAP = 7200, 345, 225, 75


def pixels(twips):
    return round(twips / TWIPS_PER_PIXEL)


def main_window_layout(menu):
    """The window (width, height), the title picture (left, top, right,
    bottom) and the frames of the buttons (left, top, right, bottom), in
    pixels of the client area, for the [MenuSettings] of a medium.ini."""
    anzahl, hoehe, breite, abstand = (int(menu[name]) for name in ("anzahl", "hoehe", "breite", "abstand"))
    planned = hoehe * TWIPS_PER_PIXEL * anzahl + (anzahl + 1) * abstand + FRAME_HEIGHT
    height = pixels(max(MINIMUM_WINDOW_HEIGHT, round(planned)))
    width = pixels(height * TWIPS_PER_PIXEL / 0.75)
    title = (0, 0, pixels(width * TWIPS_PER_PIXEL - (breite * TWIPS_PER_PIXEL + COLUMN_MARGIN)),
             pixels(height * TWIPS_PER_PIXEL - FRAME_HEIGHT))
    left = pixels(title[2] * TWIPS_PER_PIXEL + COLUMN_GAP)
    tops = [pixels(abstand)]
    for _ in range(1, max(1, anzahl)):
        tops.append(pixels(tops[-1] * TWIPS_PER_PIXEL + hoehe * TWIPS_PER_PIXEL + abstand))
    frames = [(left, top, left + breite, top + hoehe) for top in tops]
    return (width, height), title, frames


if __name__ == "__main__":
    settings = configparser.ConfigParser(interpolation=None)
    settings.read(sys.argv[1], encoding="utf-8")
    _, title, _ = main_window_layout(settings["MenuSettings"])
    print(f"{title[2]}x{title[3]}")
