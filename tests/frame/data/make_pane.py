#!/usr/bin/env python3
"""Writes the bitmaps of the Pane test theme (pane/*.bmp): flat colours placed so that a test can
tell by one pixel which piece, which state and which drawing mode it is looking at. The files are
committed so that tests need no Python; run this again after changing a piece."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../themes/tools"))
import pixels  # noqa: E402 (themes/tools/pixels.py, the BMP writer of every image script)

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "pane")
MAGENTA = (255, 0, 255)


def write_bmp(name, width, height, pixel):
    pixels.write_bmp(HERE, name, width, height, pixel)


def corner(colour):
    # A rounded-off corner: the triangle x + y < 6 is see-through.
    return lambda x, y: MAGENTA if x + y < 6 else colour


def ringed(colour):
    # A button whose outermost ring is see-through.
    return lambda x, y: MAGENTA if x in (0, 11) or y in (0, 11) else colour


def main():
    os.makedirs(HERE, exist_ok=True)
    write_bmp("corner.bmp", 8, 24, corner((0, 0, 128)))
    write_bmp("corneroff.bmp", 8, 24, corner((128, 128, 128)))
    write_bmp("title.bmp", 2, 24, lambda x, y: (200, 0, 0) if x == 0 else (0, 200, 0))
    write_bmp("titleoff.bmp", 2, 24, lambda x, y: (96, 96, 96))
    write_bmp("side.bmp", 4, 2, lambda x, y: (0, 0, 200) if y == 0 else (0, 200, 200))
    write_bmp("bottom.bmp", 1, 1, lambda x, y: (100, 100, 100))
    write_bmp("close.bmp", 12, 12, ringed((255, 255, 0)))
    write_bmp("closeoff.bmp", 12, 12, ringed((160, 160, 0)))
    write_bmp("mark.bmp", 4, 4, lambda x, y: (255, 128, 0))
    # Frame buttons of the input tests: normal, pressed and hovered told apart by colour.
    write_bmp("btn.bmp", 12, 12, lambda x, y: (0, 0, 255))
    write_bmp("btndown.bmp", 12, 12, lambda x, y: (255, 0, 0))
    write_bmp("btnhot.bmp", 12, 12, lambda x, y: (0, 255, 0))
    # A menu bar two pixels wide (a test names it MenuBar): tiled, its columns alternate;
    # stretched, each half of the bar is one colour.
    write_bmp("stripe.bmp", 2, 1, lambda x, y: (0, 128, 0) if x == 0 else (128, 0, 128))
    # Stretched over a whole window, its see-through pixels give the window's shape.
    write_bmp("holes.bmp", 5, 3, lambda x, y: MAGENTA if (x + 2 * y) % 3 == 0 else (40 * x, 60 * y, 200))


if __name__ == "__main__":
    main()
