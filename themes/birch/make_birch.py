#!/usr/bin/env python3
"""Draws the XPM images of the Birch theme, a kwm theme in the KDE 1 layout: a pale bark-white
title bar with a moss-green rim, rounded outer corners (see-through pixels, which the importer cuts
out of the window's shape) and square buttons with pressed images. In this layout the side edges
are moved one pixel outwards and the bottom one pixel down, so their outer row lies off the
window; the pieces are cut from one picture of a whole window drawn with that in mind. Run it
again after a change; the XPM files are committed beside it."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tools"))
from pixels import write_xpm, hexrgb, mix, coverage, rounded_box, segment, any_of  # noqa: E402

TOP = 4           # top edge height
SIDE = 3          # visible width of the side and bottom edges (their images are 4 wide)
TITLE = 18        # title bar height
CORNER = 16
VW, VH = 200, 120

OUTLINE = hexrgb("2F4A2A")
MOSS = hexrgb("5E7F4E")
MOSS_LIGHT = hexrgb("93B27D")
MOSS_DARK = hexrgb("3E5A33")


def window_pixel(x, y, w=VW, h=VH):
    """The frame of a whole window, None where it is see-through."""
    if coverage(x, y, rounded_box(0, 0, w, h, 5)) < 0.5:
        return None
    if x == 0 or y == 0 or x == w - 1 or y == h - 1:
        return OUTLINE
    if x == 1 or y == 1:
        return MOSS_LIGHT
    if x == w - 2 or y == h - 2:
        return MOSS_DARK
    return MOSS


def piece(name, x0, y0, w, h):
    write_xpm(HERE, name, w, h, lambda x, y: window_pixel(x0 + x, y0 + y))


def title(name, top, bottom, rule):
    def pixel(x, y):
        if y == 0:
            return mix(top, (255, 255, 255), 0.6)
        if y == TITLE - 1:
            return rule
        return mix(top, bottom, (y - 1) / float(TITLE - 3))
    write_xpm(HERE, name, 2, TITLE, pixel)


GLYPHS = {
    "close": any_of(segment(4.5, 4.5, 9.5, 9.5, 1.6), segment(9.5, 4.5, 4.5, 9.5, 1.6)),
    "maximize": lambda x, y: 4 <= x < 11 and 4 <= y < 11 and (int(x) in (4, 10) or int(y) in (4, 5, 10)),
    "iconify": lambda x, y: 4 <= x < 10 and 9 <= y < 11,
    # a birch leaf: a small drop shape with a stem
    "menu": any_of(lambda x, y: ((x - 7) / 3.2) ** 2 + ((y - 6) / 4.2) ** 2 <= 1, segment(7, 9, 7, 12, 1.2)),
}


def button(name, glyph, face, ink, pressed):
    size = 14
    box = rounded_box(0, 0, size, size, 2)
    inner = rounded_box(1, 1, size - 1, size - 1, 1.5)
    top, bottom = (mix(face, (0, 0, 0), 0.2), face) if pressed else (mix(face, (255, 255, 255), 0.35), face)
    rim = mix(face, (0, 0, 0), 0.45)
    shift = 1 if pressed else 0

    def pixel(x, y):
        if coverage(x, y, box) < 0.5:
            return None
        c = mix(rim, mix(top, bottom, y / 13.0), coverage(x, y, inner))
        return mix(c, ink, coverage(x - shift, y - shift, GLYPHS[glyph]))
    write_xpm(HERE, name, size, size, pixel)


def main():
    piece("wm_topleft.xpm", 0, 0, CORNER, CORNER)
    piece("wm_top.xpm", 100, 0, 2, TOP)
    piece("wm_topright.xpm", VW - CORNER, 0, CORNER, CORNER)
    # The side images start one column off the window, the bottom one row below it.
    piece("wm_left.xpm", -1, 60, SIDE + 1, 2)
    piece("wm_right.xpm", VW - SIDE, 60, SIDE + 1, 2)
    piece("wm_bottom.xpm", 100, VH - SIDE, 2, SIDE + 1)
    piece("wm_bottomleft.xpm", 0, VH - CORNER, CORNER, CORNER)
    piece("wm_bottomright.xpm", VW - CORNER, VH - CORNER, CORNER, CORNER)
    title("titlebar.xpm", hexrgb("F4F1E8"), hexrgb("D9D4C4"), hexrgb("8FA37F"))
    title("titlebar_off.xpm", hexrgb("EEEDEA"), hexrgb("D6D5D1"), hexrgb("ABABA6"))
    bark, moss, red = hexrgb("E9E4D6"), hexrgb("5E7F4E"), hexrgb("B4533F")
    ink = hexrgb("2F3A28")
    button("menu.xpm", "menu", bark, moss, False)
    button("menu_down.xpm", "menu", bark, moss, True)
    button("close.xpm", "close", red, (255, 255, 255), False)
    button("close_down.xpm", "close", red, (255, 255, 255), True)
    button("maximize.xpm", "maximize", bark, ink, False)
    button("maximize_down.xpm", "maximize", bark, ink, True)
    button("iconify.xpm", "iconify", bark, ink, False)
    button("iconify_down.xpm", "iconify", bark, ink, True)


if __name__ == "__main__":
    main()
