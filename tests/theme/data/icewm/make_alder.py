#!/usr/bin/env python3
"""Writes Alder (alder/), an IceWM theme of our own for the importer's tests: the pixmap look with
frame pieces for sizable windows (active and inactive, rounded outer corners) and for dialogs
(active only, thinner), title pieces (titleS and titleB too, which the importer leaves out),
buttons left and right with a blank between two of them, stacked normal-over-pressed states, a
rollover image, a button that is a PNG, an inactive image under IceWM's other name (maximize.xpm
for maximizeI) and a depth button that has no counterpart. The colours use IceWM's rgb: form, a
hexadecimal one and a name; one line has blanks around its "=" and a comment after the value. The
files are committed so that tests need no Python; alder/default.theme.dump is what vttheme dump
must print for it."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "alder")
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "..", "themes", "tools"))
from pixels import write_png, write_xpm, mix  # noqa: E402

TITLE = 18
BORDER = 4
DIALOG = 2
ACTIVE = (48, 96, 72)
INACTIVE = (128, 136, 128)
LIGHT = (240, 232, 216)

THEME = """# Alder: an IceWM theme of our own for the importer's tests.
ThemeDescription="Alder"
ThemeAuthor="Veltrane tests"
Look=pixmap
TitleBarHeight=18
TitleBarJustify=0
TitleBarHorzOffset=2
BorderSizeX=4
BorderSizeY=4
DlgBorderSizeX=2
DlgBorderSizeY=2
CornerSizeX=20
CornerSizeY=16
RolloverButtonsSupported=1
TitleButtonsSupported="xmirsd"
TitleButtonsLeft="sd"
TitleButtonsRight="x mr"
ColorActiveTitleBar="rgb:30/60/48"
ColorNormalTitleBar="#808880"
ColorActiveTitleBarText="rgb:F0/E8/D8"
ColorNormalTitleBarText   =   "gray20"   # blanks around the = and a comment after the value
ColorActiveBorder="rgb:30/60/48"
ColorNormalBorder="rgb:80/88/80"
TitleFontNameXft="sans-serif:size=9:bold"
"""


def face(state):
    return ACTIVE if state == "A" else INACTIVE


def frame(prefix, state, border):
    f = face(state)
    tall = border + TITLE  # the top corners reach down past the title bar, as IceWM themes draw them
    def edge(d):
        return mix(f, (0, 0, 0), d / (border * 3))
    write_xpm(OUT, prefix + state + "TL.xpm", border, tall, lambda x, y: None if x + y < 2 else edge(min(x, y)))
    write_xpm(OUT, prefix + state + "TR.xpm", border, tall,
              lambda x, y: None if (border - 1 - x) + y < 2 else edge(min(border - 1 - x, y)))
    write_xpm(OUT, prefix + state + "T.xpm", 1, border, lambda x, y: edge(y))
    write_xpm(OUT, prefix + state + "L.xpm", border, 1, lambda x, y: edge(x))
    write_xpm(OUT, prefix + state + "R.xpm", border, 1, lambda x, y: edge(border - 1 - x))
    write_xpm(OUT, prefix + state + "B.xpm", 1, border, lambda x, y: edge(border - 1 - y))
    write_xpm(OUT, prefix + state + "BL.xpm", border, border, lambda x, y: edge(min(x, border - 1 - y)))
    write_xpm(OUT, prefix + state + "BR.xpm", border, border, lambda x, y: edge(min(border - 1 - x, border - 1 - y)))


def title(state):
    f = face(state)
    shaded = lambda x, y: mix(f, (0, 0, 0), y / (TITLE * 3))
    for piece, width in (("J", 2), ("L", 3), ("S", 1), ("P", 4), ("T", 1), ("M", 4), ("B", 1), ("R", 3), ("Q", 2)):
        glow = 0.25 if piece in "PTM" else 0.0
        write_xpm(OUT, "title%s%s.xpm" % (state, piece), width, TITLE,
                  lambda x, y, glow=glow: mix(shaded(x, y), (255, 255, 255), glow))


def button(name, width, glyph, tint, png=False):
    """Two states stacked: normal over pressed (the glyph one pixel down and right)."""
    def pixel(x, y):
        top = y < TITLE
        gy = y if top else y - TITLE
        gx = x if top else x - 1
        if not top:
            gy -= 1
        if x in (0, width - 1) and gy in (0, TITLE - 1) and top:
            return None  # rounded corners on the normal state
        if glyph(gx, gy):
            return LIGHT
        return mix(tint, (0, 0, 0), 0.0 if top else 0.35)
    if png:
        write_png(OUT, name + ".png", width, 2 * TITLE,
                  lambda x, y: (pixel(x, y) or (0, 0, 0)) + ((255 if pixel(x, y) else 0),))
    else:
        write_xpm(OUT, name + ".xpm", width, 2 * TITLE, pixel)


def main():
    os.makedirs(OUT, exist_ok=True)
    with open(os.path.join(OUT, "default.theme"), "w", newline="\n") as f:
        f.write(THEME)
    for state in ("A", "I"):
        frame("frame", state, BORDER)
        title(state)
    frame("dframe", "A", DIALOG)

    cross = lambda x, y: 4 <= x <= 11 and 5 <= y <= 12 and (x - 4 == y - 5 or x - 4 == 12 - y)
    box = lambda x, y: 4 <= x <= 11 and 5 <= y <= 12 and (x in (4, 11) or y in (5, 6, 12))
    arrow = lambda x, y: 6 <= y <= 10 and abs(x - 7.5) <= y - 5.5
    bar = lambda x, y: 3 <= x <= 12 and y in (8, 9)
    hover = mix(ACTIVE, (255, 255, 255), 0.3)
    button("closeA", 16, cross, ACTIVE)
    button("closeI", 16, cross, INACTIVE)
    button("closeO", 16, cross, hover)
    button("maximizeA", 16, box, ACTIVE, png=True)
    button("maximize", 16, box, INACTIVE)  # IceWM's other name of maximizeI
    button("rollupA", 16, arrow, ACTIVE)
    button("rollupI", 16, arrow, INACTIVE)
    button("menuButtonA", 18, bar, ACTIVE)
    button("depthA", 16, bar, ACTIVE)  # d has no counterpart: no element, no room


if __name__ == "__main__":
    main()
