#!/usr/bin/env python3
"""Draws the bitmaps of the Harbor theme: a steel-blue frame with a gradient title bar, rounded
caption buttons in four states, a menu bar strip and push-button faces. Every frame piece is cut
from one picture of a whole window, so corners, edges and title bar meet exactly. Run it again
after a change; the BMP files are committed beside it."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tools"))
from pixels import write_bmp, hexrgb, mix, grey, coverage, rounded_box, segment, any_of  # noqa: E402

BORDER = 4      # side and bottom border
TOP = 28        # top border plus title bar; the client area starts here
VW, VH = 200, 120  # the virtual window the pieces are cut from

ACTIVE = {
    "outline": hexrgb("0F1E2B"), "light": hexrgb("7FA8C9"), "mid": hexrgb("2E5B80"),
    "shadow": hexrgb("163049"), "inner": hexrgb("1A3A56"),
    "title_hi": hexrgb("6496BE"), "title_top": hexrgb("3D74A0"), "title_bottom": hexrgb("1F4A70"),
    "title_line": hexrgb("142F47"),
}


def inactive(palette):
    return {k: grey(v, 0.8, 28) for k, v in palette.items()}


def title_row(p, y):
    """Colour of the title bar's row y (4 <= y < TOP)."""
    if y == BORDER:
        return p["title_hi"]
    if y == TOP - 1:
        return p["title_line"]
    return mix(p["title_top"], p["title_bottom"], (y - BORDER - 1) / float(TOP - BORDER - 3))


def window_pixel(p, x, y, w=VW, h=VH):
    dl, dr, dt, db = x, w - 1 - x, y, h - 1 - y
    if min(dl, dr, dt, db) == 0:
        return p["outline"]
    if dr == 1 or db == 1:
        return p["shadow"]
    if dl == 1 or dt == 1:
        return p["light"]
    if dl < BORDER or dr < BORDER or dt < BORDER or db < BORDER:
        if dl == BORDER - 1 and dt >= BORDER and db >= BORDER:
            return p["inner"]
        if dr == BORDER - 1 and dt >= BORDER and db >= BORDER:
            return p["light"] if dt < TOP else mix(p["mid"], p["light"], 0.5)
        if db == BORDER - 1 and dl >= BORDER and dr >= BORDER:
            return mix(p["mid"], p["light"], 0.5)
        return p["mid"]
    if y < TOP:
        return title_row(p, y)
    return (255, 255, 255)  # client: never shown


def piece(name, p, x0, y0, w, h):
    write_bmp(HERE, name, w, h, lambda x, y: window_pixel(p, x0 + x, y0 + y))


def frame(suffix, p):
    piece("tl%s.bmp" % suffix, p, 0, 0, 8, TOP)
    piece("top%s.bmp" % suffix, p, 100, 0, 4, TOP)
    piece("tr%s.bmp" % suffix, p, VW - 8, 0, 8, TOP)
    piece("left%s.bmp" % suffix, p, 0, 60, BORDER, 4)
    piece("right%s.bmp" % suffix, p, VW - BORDER, 60, BORDER, 4)
    piece("bl%s.bmp" % suffix, p, 0, VH - BORDER, 8, BORDER)
    piece("bottom%s.bmp" % suffix, p, 100, VH - BORDER, 4, BORDER)
    piece("br%s.bmp" % suffix, p, VW - 8, VH - BORDER, 8, BORDER)


# Caption buttons: 20x20 bitmaps placed at y=6, face in rows 0..17 over the baked-in title bar;
# the two rows below are title bar too, where the hover script draws its glow.
BW, BH, FACE_H, BY = 20, 20, 18, 6

GLYPHS = {
    "close": any_of(segment(6, 5, 14, 13, 1.9), segment(14, 5, 6, 13, 1.9)),
    "max": any_of(lambda x, y: 5 <= x < 15 and 4 <= y < 14 and (x < 6 or x >= 14 or y < 6 or y >= 13)),
    "min": lambda x, y: 5 <= x < 15 and 11 <= y < 13,
}

FACES = {  # state: (top colour, bottom colour, outline, glyph colour)
    "close": {"normal": ("C8504A", "8E2A26", "4A1210", "FFFFFF"),
              "hover": ("EC7A66", "B83E32", "5A1812", "FFFFFF"),
              "down": ("7A2420", "A4382F", "3A0C0A", "F2D6D0")},
    "plain": {"normal": ("4F86B3", "2C5A82", "10283E", "FFFFFF"),
              "hover": ("78B4E0", "3E78A8", "143454", "FFFFFF"),
              "down": ("24496A", "36668F", "0C1E30", "D8E6F2")},
}


def button(name, kind, state):
    title = ACTIVE if state != "off" else inactive(ACTIVE)
    faces = FACES["close" if kind == "close" else "plain"]
    top, bottom, outline, ink = [hexrgb(c) for c in faces["normal" if state == "off" else state]]
    if state == "off":
        top, bottom, outline, ink = grey(top, 0.85, 30), grey(bottom, 0.85, 30), grey(outline, 0.8, 40), hexrgb("D4DAE0")
    shift = 1 if state == "down" else 0
    outer = rounded_box(0, 0, BW, FACE_H, 4)
    inner = rounded_box(1, 1, BW - 1, FACE_H - 1, 3)
    glyph = GLYPHS[kind]

    def pixel(x, y):
        bg = title_row(title, BY + y)
        face = mix(top, bottom, y / float(FACE_H - 1))
        if y == 1 and state != "down":
            face = mix(face, (255, 255, 255), 0.35)  # 1-pixel highlight
        c_in = coverage(x, y, inner)
        c_out = coverage(x, y, outer)
        colour = mix(outline, face, c_in)
        colour = mix(bg, colour, c_out)
        g = coverage(x - shift, y - shift, glyph)
        if g:
            colour = mix(colour, ink, g)
        return colour

    write_bmp(HERE, name, BW, BH, pixel)


def menubar():
    top, bottom = hexrgb("F3F6F9"), hexrgb("DCE4EC")
    write_bmp(HERE, "menubar.bmp", 8, 16,
              lambda x, y: hexrgb("AEBCCA") if y == 15 else (255, 255, 255) if y == 0 else mix(top, bottom, y / 14.0))


def push_button(name, top, bottom, outline, ring=None):
    w, h = 48, 20
    outer = rounded_box(0, 0, w, h, 3)
    inner = rounded_box(1, 1, w - 1, h - 1, 2)
    core = rounded_box(2, 2, w - 2, h - 2, 1.5)
    page = hexrgb("ECEFF3")  # what shows round the corners: the dialog grey of Wine

    def pixel(x, y):
        face = mix(top, bottom, y / float(h - 1))
        if y == 1:
            face = mix(face, (255, 255, 255), 0.6)
        if ring is not None:
            face = mix(ring, face, coverage(x, y, core))
        colour = mix(outline, face, coverage(x, y, inner))
        return mix(page, colour, coverage(x, y, outer))

    write_bmp(HERE, name, w, h, pixel)


def main():
    frame("", ACTIVE)
    frame("off", inactive(ACTIVE))
    for kind in ("close", "max", "min"):
        for state, suffix in (("normal", ""), ("down", "down"), ("hover", "hot"), ("off", "off")):
            button("%s%s.bmp" % (kind, suffix), kind, state)
    menubar()
    push_button("button.bmp", hexrgb("FDFEFF"), hexrgb("D6DFE8"), hexrgb("6F8599"))
    push_button("buttonfocus.bmp", hexrgb("FDFEFF"), hexrgb("D0DEEC"), hexrgb("2E6FA8"), hexrgb("9CC8EE"))
    push_button("buttondown.bmp", hexrgb("C3D0DC"), hexrgb("E4EAF0"), hexrgb("4F6578"))
    push_button("buttonoff.bmp", hexrgb("F2F3F4"), hexrgb("E6E8EA"), hexrgb("B4BBC2"))


if __name__ == "__main__":
    main()
