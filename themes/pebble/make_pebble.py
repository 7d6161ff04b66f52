#!/usr/bin/env python3
"""Draws the bitmaps of the Pebble theme: a sand-coloured frame with rounded corners (the corner
pixels outside the curve are magenta, which the theme cuts out of the window's shape), round
caption buttons in four states, a roll-up button and a menu bar strip. The frame pieces are cut
from one picture of a whole window so that they meet exactly. Run it again after a change; the
BMP files are committed beside it."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tools"))
from pixels import MAGENTA, write_bmp, hexrgb, mix, grey, coverage, rounded_box, segment, any_of  # noqa: E402

BORDER = 4
TOP = 26          # rounded top rim plus title bar; the client area starts here
RADIUS = 8
CORNER = 12       # corner pieces are 12 wide (and 12 high at the bottom)
VW, VH = 200, 120

ACTIVE = {
    "outline": hexrgb("6E5E4A"), "light": hexrgb("FFFAF1"), "frame": hexrgb("DCCBAF"),
    "title_top": hexrgb("F7EFE1"), "title_bottom": hexrgb("E3D2B6"), "rule": hexrgb("B3A083"),
    "shade": hexrgb("C5B295"),
}
INACTIVE = {k: grey(v, 0.75, 12) for k, v in ACTIVE.items()}


def title_row(p, y):
    return mix(p["title_top"], p["title_bottom"], (y - 1) / float(TOP - 3))


def window_pixel(p, x, y, w=VW, h=VH):
    outer = rounded_box(0, 0, w, h, RADIUS)
    if coverage(x, y, outer) < 0.5:
        return MAGENTA
    ring = rounded_box(1, 1, w - 1, h - 1, RADIUS - 1)
    c = coverage(x, y, ring)
    if y < TOP:
        fill = title_row(p, y) if y < TOP - 1 else p["rule"]
        if y == 1 or (y < TOP - 1 and x in (1,)):
            fill = mix(fill, p["light"], 0.7)
    else:
        fill = p["frame"]
        if x == 1 or (x < BORDER and False):
            fill = mix(fill, p["light"], 0.6)
        if x == w - 2 or y == h - 2:
            fill = p["shade"]
        if (x == BORDER - 1 and y < h - BORDER) or (x == w - BORDER and y < h - BORDER) \
                or (y == h - BORDER and BORDER - 1 <= x <= w - BORDER):
            fill = p["rule"]  # the line round the client area
    return mix(p["outline"], fill, c)


def piece(name, p, x0, y0, w, h):
    write_bmp(HERE, name, w, h, lambda x, y: window_pixel(p, x0 + x, y0 + y))


def frame(suffix, p):
    piece("tl%s.bmp" % suffix, p, 0, 0, CORNER, TOP)
    piece("top%s.bmp" % suffix, p, 100, 0, 4, TOP)
    piece("tr%s.bmp" % suffix, p, VW - CORNER, 0, CORNER, TOP)
    piece("left%s.bmp" % suffix, p, 0, 60, BORDER, 4)
    piece("right%s.bmp" % suffix, p, VW - BORDER, 60, BORDER, 4)
    piece("bl%s.bmp" % suffix, p, 0, VH - CORNER, CORNER, CORNER)
    piece("bottom%s.bmp" % suffix, p, 100, VH - BORDER, 4, BORDER)
    piece("br%s.bmp" % suffix, p, VW - CORNER, VH - CORNER, CORNER, CORNER)


# Round buttons, 14x14, placed at y=6 on the title bar (which is baked into them).
BS, BY = 14, 6
GLYPHS = {
    "close": any_of(segment(4.5, 4.5, 9.5, 9.5, 1.5), segment(9.5, 4.5, 4.5, 9.5, 1.5)),
    "max": any_of(segment(4.5, 7, 9.5, 7, 1.5), segment(7, 4.5, 7, 9.5, 1.5)),
    "min": segment(4.5, 7, 9.5, 7, 1.5),
    "roll": any_of(segment(4.5, 8.5, 7, 5.5, 1.5), segment(7, 5.5, 9.5, 8.5, 1.5)),
}
FACES = {"close": "C8553D", "max": "7FA36B", "min": "D9A441", "roll": "6B8CA8"}


def button(name, kind, state):
    title = INACTIVE if state == "off" else ACTIVE
    face = hexrgb(FACES[kind])
    ink = hexrgb("3A2418")
    ink_share = 0.55
    if state == "hot":
        face = mix(face, (255, 255, 255), 0.25)
        ink, ink_share = (255, 255, 255), 1.0
    elif state == "down":
        face = mix(face, (0, 0, 0), 0.25)
        ink, ink_share = (255, 255, 255), 0.9
    elif state == "off":
        face = hexrgb("CFC8BE")
        ink_share = 0.0
    rim = mix(face, (60, 40, 25), 0.45)
    disc = lambda x, y: (x - 7) ** 2 + (y - 7) ** 2 <= 6.5 ** 2
    core = lambda x, y: (x - 7) ** 2 + (y - 7) ** 2 <= 5.5 ** 2

    def pixel(x, y):
        bg = title_row(title, BY + y)
        shine = mix(face, (255, 255, 255), max(0.0, 0.45 - y * 0.07)) if state != "down" else face
        colour = mix(rim, shine, coverage(x, y, core))
        g = coverage(x, y, GLYPHS[kind]) * ink_share
        colour = mix(colour, ink, g)
        return mix(bg, colour, coverage(x, y, disc))

    write_bmp(HERE, name, BS, BS, pixel)


def menubar():
    top, bottom = hexrgb("FBF6EC"), hexrgb("EDE2CF")
    write_bmp(HERE, "menubar.bmp", 8, 16,
              lambda x, y: hexrgb("C9B89B") if y == 15 else mix(top, bottom, y / 14.0))


def main():
    frame("", ACTIVE)
    frame("off", INACTIVE)
    for kind in ("close", "max", "min", "roll"):
        for state, suffix in (("normal", ""), ("down", "down"), ("hot", "hot"), ("off", "off")):
            button("%s%s.bmp" % (kind, suffix), kind, state)
    menubar()


if __name__ == "__main__":
    main()
