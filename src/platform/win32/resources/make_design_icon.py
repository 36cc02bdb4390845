#!/usr/bin/env python3
"""Writes the main window's design-time icon: one 32 x 32 image with 16
colours (4 bits per pixel, the standard 16-colour palette) and an empty
transparency mask, so the whole square is drawn: a black, angular emblem (a
lightning bolt in a square frame) on a white ground.

Usage: make_design_icon.py OUTPUT.ico
"""
import struct
import sys

EDGE = 32

# Black, the dark and bright colours, grey, light grey and white, in the
# order of the standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK = 0
WHITE = 15

# The bolt, corner by corner, in pixel coordinates with y downwards.
BOLT = [(19, 3), (8, 18), (15, 18), (11, 29), (24, 12), (17, 12), (22, 3)]


def inside(polygon, x, y):
    """Even-odd rule at the centre of pixel (x, y)."""
    px, py = x + 0.5, y + 0.5
    result = False
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
            result = not result
    return result


def colour_at(x, y):
    frame = min(x, y, EDGE - 1 - x, EDGE - 1 - y) in (1, 2)
    return BLACK if frame or inside(BOLT, x, y) else WHITE


def icon_bytes():
    header = struct.pack("<IiiHHIIiiII", 40, EDGE, 2 * EDGE, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    rows = []
    for y in reversed(range(EDGE)):  # bottom-up, as bitmaps are stored
        row = bytearray()
        for x in range(0, EDGE, 2):
            row.append(colour_at(x, y) << 4 | colour_at(x + 1, y))
        rows.append(bytes(row))
    colours = b"".join(rows)
    mask = bytes(EDGE * EDGE // 8)  # every pixel drawn
    image = header + palette + colours + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", EDGE, EDGE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as output:
        output.write(icon_bytes())


if __name__ == "__main__":
    main()
