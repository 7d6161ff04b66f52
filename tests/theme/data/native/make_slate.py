#!/usr/bin/env python3
"""Writes the bitmaps of the Slate test theme (slate/*.bmp): 24-bit BMPs of frame-piece size,
drawn from simple gradients so that every piece is told apart in a picture. Run it again after
changing a piece; the files are committed so that tests need no Python."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../../themes/tools"))
import pixels  # noqa: E402 (themes/tools/pixels.py, the BMP writer of every image script)

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "slate")
MAGENTA = (255, 0, 255)


def write_bmp(name, width, height, pixel):
    pixels.write_bmp(HERE, name, width, height, pixel)


def slate(x, y, shade=0):
    v = 80 + (y * 5 + x * 3 + shade) % 60
    return (v, v + 10, v + 30)


def button(glyph, base):
    def pixel(x, y):
        if x in (0, 15) or y in (0, 13):
            return MAGENTA  # rounded-off corners and edge are see-through
        return (255, 255, 255) if glyph(x, y) else base
    return pixel


def main():
    os.makedirs(HERE, exist_ok=True)
    write_bmp("tl.bmp", 8, 26, lambda x, y: slate(x, y))
    write_bmp("top.bmp", 4, 26, lambda x, y: slate(x, y, 7))
    write_bmp("tr.bmp", 8, 26, lambda x, y: slate(x, y, 13))
    write_bmp("left.bmp", 4, 4, lambda x, y: slate(x, y, 21))
    write_bmp("right.bmp", 4, 4, lambda x, y: slate(x, y, 29))
    write_bmp("bl.bmp", 8, 4, lambda x, y: slate(x, y, 31))
    write_bmp("bottom.bmp", 4, 4, lambda x, y: slate(x, y, 37))
    write_bmp("br.bmp", 8, 4, lambda x, y: slate(x, y, 41))
    cross = lambda x, y: abs(x - y - 1) < 1 or abs(x + y - 14) < 1
    write_bmp("close.bmp", 16, 14, button(cross, (170, 40, 40)))
    write_bmp("closedown.bmp", 16, 14, button(cross, (110, 20, 20)))
    write_bmp("max.bmp", 16, 14, button(lambda x, y: x in (4, 11) or y in (3, 10), (60, 90, 130)))
    write_bmp("min.bmp", 16, 14, button(lambda x, y: y == 10 and 4 <= x <= 11, (60, 90, 130)))


if __name__ == "__main__":
    main()
