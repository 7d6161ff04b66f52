#!/usr/bin/env python3
"""Writes Juniper (juniper/), an xfwm4 theme of our own for the importer's tests: XPM images with
PNGs of the same name drawn over some of them (and one button that is a PNG alone), a partial
button set (no hide or stick images, a shade button with no pressed image, a maximize button with
no hover image) and a button_layout with the title in the middle. The files are committed so
that tests need no Python; juniper/themerc.dump is what vttheme dump must print for it."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "juniper")
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "..", "themes", "tools"))
from pixels import write_png, write_xpm, mix  # noqa: E402

TITLE = 22
SIDE = 3
BOTTOM = 4
ACTIVE = (52, 96, 70)
INACTIVE = (128, 136, 130)

THEMERC = """# Juniper: an xfwm4 theme of our own for the importer's tests.
button_layout=OS|THMC
button_offset=2
button_spacing=1
title_alignment=left
title_horizontal_offset=3
title_vertical_offset_active=1
title_vertical_offset_inactive=2
active_text_color=#F0E8D8
inactive_text_color=inactive_text_color_2
frame_border_top=2
shadow_opacity=40
"""


def shade(base, state):
    return {"active": base, "inactive": INACTIVE, "prelight": mix(base, (255, 255, 255), 0.3),
            "pressed": mix(base, (0, 0, 0), 0.4)}[state]


def corner(name, state, right):
    face = shade(ACTIVE, state)
    def pixel(x, y):
        ox = 5 - x if right else x
        return None if ox + y < 2 else mix(face, (0, 0, 0), y / (TITLE * 2))
    write_xpm(OUT, "%s-%s.xpm" % (name, state), 6, TITLE, pixel)


def main():
    os.makedirs(OUT, exist_ok=True)
    with open(os.path.join(OUT, "themerc"), "w", newline="\n") as f:
        f.write(THEMERC)
    for state in ("active", "inactive"):
        face = shade(ACTIVE, state)
        corner("top-left", state, False)
        corner("top-right", state, True)
        for n in range(1, 6):
            write_xpm(OUT, "title-%d-%s.xpm" % (n, state), 2 + n, TITLE,
                      lambda x, y: mix(face, (0, 0, 0), y / (TITLE * 2) + n / 50))
        write_xpm(OUT, "left-%s.xpm" % state, SIDE, 1, lambda x, y: mix(face, (0, 0, 0), x / 6))
        write_xpm(OUT, "right-%s.xpm" % state, SIDE, 1, lambda x, y: mix(face, (0, 0, 0), (2 - x) / 6))
        write_xpm(OUT, "bottom-%s.xpm" % state, 1, BOTTOM, lambda x, y: mix(face, (0, 0, 0), y / 8))
        write_xpm(OUT, "bottom-left-%s.xpm" % state, SIDE, BOTTOM, lambda x, y: None if x == 0 and y == 3 else face)
        write_xpm(OUT, "bottom-right-%s.xpm" % state, SIDE, BOTTOM, lambda x, y: None if x == 2 and y == 3 else face)
    # title-3 under the text: a highlight along its top drawn by a half-transparent PNG.
    write_png(OUT, "title-3-active.png", 5, TITLE, lambda x, y: (255, 255, 255, 96 if y < 2 else 0))

    def button(name, state, glyph, fmt="xpm"):
        face = shade(ACTIVE, state)
        def rgb(x, y):
            return (240, 232, 216) if glyph(x, y) else face
        if fmt == "xpm":
            write_xpm(OUT, "%s-%s.xpm" % (name, state), 16, 16, rgb)
        else:  # a glyph alone on see-through ground, with soft edges
            write_png(OUT, "%s-%s.png" % (name, state), 16, 16,
                      lambda x, y: rgb(x, y) + ((255 if glyph(x, y) else 0),))

    cross = lambda x, y: 3 <= x <= 12 and (x == y or x == 15 - y)
    box = lambda x, y: 4 <= x <= 11 and 4 <= y <= 11 and (x in (4, 11) or y in (4, 5, 11))
    dash = lambda x, y: 4 <= x <= 11 and y in (7, 8)
    for state in ("active", "inactive", "prelight", "pressed"):
        button("close", state, cross)
        button("menu", state, dash)
    # The menu glyph gets a PNG drawn over its XPM; close-active a partly see-through dot.
    write_png(OUT, "menu-active.png", 16, 16, lambda x, y: (255, 200, 0, 255) if dash(x, y) else (0, 0, 0, 0))
    write_png(OUT, "close-active.png", 16, 16, lambda x, y: (255, 0, 0, 128) if (x, y) == (1, 1) else (0, 0, 0, 0))
    for state in ("active", "inactive", "pressed"):
        button("maximize", state, box)
    for state in ("active", "inactive", "prelight"):
        button("shade", state, dash, fmt="png")


if __name__ == "__main__":
    main()
