#!/usr/bin/env python3
"""Writes Marram (marram/), an xfwm4 theme of our own whose XPM images name their colours
symbolically, as xfwm4's own themes do ("c #C0C0FF s active_mid_2"), for the tests of the system
colours: each symbolic pixel must take the colour scheme's colour, every other pixel keeps the
XPM's own. Beside the names xfwm4 knows it uses one it does not (frame_glow_color, which must
fall back to its c colour), a PNG drawn half-transparently over symbolic pixels, themerc values
for two of the names (a colour, and another name), maximize-toggled images and right-aligned
title text. The files are committed so that tests need no Python; marram/themerc.dump is what
vttheme dump must print for it."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "marram")
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "..", "themes", "tools"))
from pixels import write_png  # noqa: E402

TITLE = 20
SIDE = 4
BOTTOM = 4
FIXED = (0x20, 0x30, 0x40)  # a colour line without a name: never recoloured

THEMERC = """# Marram: an xfwm4 theme of our own with symbolic colours, for the tests.
button_layout=|HMC
button_offset=2
button_spacing=2
title_alignment=right
title_horizontal_offset=4
active_shadow_2=#102030
inactive_text_color=active_hilight_2
"""

# The fallback (c) colour each name is written with: pale, as xfwm4's own themes' are.
FALLBACK = {
    "active_color_1": (0xC0, 0xC0, 0xFF), "active_hilight_1": (0xE0, 0xE0, 0xFF),
    "active_shadow_1": (0x80, 0x80, 0xC0), "active_mid_1": (0xA0, 0xA0, 0xE0),
    "inactive_color_1": (0xD0, 0xD0, 0xD0), "inactive_hilight_1": (0xF0, 0xF0, 0xF0),
    "inactive_shadow_1": (0x90, 0x90, 0x90), "inactive_mid_1": (0xB0, 0xB0, 0xB0),
    "active_color_2": (0xC8, 0xC8, 0xC8), "active_hilight_2": (0xF8, 0xF8, 0xF8),
    "active_shadow_2": (0x88, 0x88, 0x88), "active_mid_2": (0xA8, 0xA8, 0xA8),
    "inactive_color_2": (0xC4, 0xC4, 0xC4), "inactive_hilight_2": (0xF4, 0xF4, 0xF4),
    "inactive_shadow_2": (0x84, 0x84, 0x84), "inactive_mid_2": (0xA4, 0xA4, 0xA4),
    "active_border_color": (0x00, 0x00, 0x00), "inactive_border_color": (0x40, 0x40, 0x40),
    "active_text_color": (0xFF, 0xFF, 0xFF), "inactive_text_color": (0x60, 0x60, 0x60),
    "frame_glow_color": (0x12, 0x34, 0x56),
}


def write_symbolic_xpm(name, width, height, pixel):
    """pixel(x, y) gives a symbolic name, an (r, g, b) colour or None (see-through)."""
    grid = [[pixel(x, y) for x in range(width)] for y in range(height)]
    used = []
    for row in grid:
        for p in row:
            if p is not None and p not in used:
                used.append(p)
    letters = "abcdefghijklmnopqrstuvwxyz"
    keys = {p: letters[i] for i, p in enumerate(used)}
    keys[None] = " "
    lines = ["/* XPM */", "static char * %s[] = {" % name.replace("-", "_"),
             '"%d %d %d 1",' % (width, height, len(keys)), '"  c None",']
    for p in used:
        if isinstance(p, str):
            lines.append('"%s c #%02X%02X%02X s %s",' % ((keys[p],) + FALLBACK[p] + (p,)))
        else:
            lines.append('"%s c #%02X%02X%02X",' % ((keys[p],) + p))
    for y, row in enumerate(grid):
        lines.append('"%s"%s' % ("".join(keys[p] for p in row), "};" if y == height - 1 else ","))
    with open(os.path.join(OUT, name + ".xpm"), "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    os.makedirs(OUT, exist_ok=True)
    with open(os.path.join(OUT, "themerc"), "w", newline="\n") as f:
        f.write(THEMERC)
    for state in ("active", "inactive"):
        def c1(part):
            return "%s_%s_1" % (state, part)

        def c2(part):
            return "%s_%s_2" % (state, part)

        def band(x, y):  # the title bar's rows: a fixed line, hilight, colour, mid, shadow
            if y == 0:
                return FIXED
            return {1: c1("hilight"), TITLE - 2: c1("mid"), TITLE - 1: c1("shadow")}.get(y, c1("color"))

        def corner(right):
            def pixel(x, y):
                ox = SIDE + 1 - x if right else x
                return None if ox + y < 2 else (state + "_border_color" if ox == 0 else band(x, y))
            return pixel

        write_symbolic_xpm("top-left-" + state, SIDE + 2, TITLE, corner(False))
        write_symbolic_xpm("top-right-" + state, SIDE + 2, TITLE, corner(True))
        write_symbolic_xpm("title-3-" + state, 4, TITLE, band)
        side = [state + "_border_color", c2("hilight"), c2("color"), c2("shadow")]
        write_symbolic_xpm("left-" + state, SIDE, 1, lambda x, y: side[x])
        write_symbolic_xpm("right-" + state, SIDE, 1, lambda x, y: side[SIDE - 1 - x])
        write_symbolic_xpm("bottom-" + state, 1, BOTTOM, lambda x, y: [c2("mid"), c2("color"), c2("shadow"),
                                                                       state + "_border_color"][y])
        write_symbolic_xpm("bottom-left-" + state, SIDE, BOTTOM,
                           lambda x, y: None if (x, y) == (0, BOTTOM - 1) else c2("color"))
        write_symbolic_xpm("bottom-right-" + state, SIDE, BOTTOM,
                           lambda x, y: None if (x, y) == (SIDE - 1, BOTTOM - 1) else c2("color"))

    def button(name, state, glyph):
        face = "inactive_color_1" if state == "inactive" else "active_color_1"
        ink = "inactive_text_color" if state == "inactive" else "active_text_color"
        def pixel(x, y):
            if (x, y) == (0, 0):
                return "frame_glow_color"  # a name xfwm4 does not know
            if (x, y) == (15, 0):
                return FIXED
            return ink if glyph(x, y) else face
        write_symbolic_xpm("%s-%s" % (name, state), 16, 16, pixel)

    cross = lambda x, y: 4 <= x <= 11 and (x == y or x == 15 - y)
    box = lambda x, y: 4 <= x <= 11 and 4 <= y <= 11 and (x in (4, 11) or y in (4, 5, 11))
    boxes = lambda x, y: (6 <= x <= 12 and 3 <= y <= 9 and (x in (6, 12) or y in (3, 9))) or \
        (3 <= x <= 9 and 6 <= y <= 12 and (x in (3, 9) or y in (6, 12)))
    dash = lambda x, y: 4 <= x <= 11 and y in (10, 11)
    for state in ("active", "inactive", "prelight", "pressed"):
        button("close", state, cross)
        button("maximize", state, box)
        button("maximize-toggled", state, boxes)
    for state in ("active", "inactive"):
        button("hide", state, dash)
    # A white glow half over the close button's face: recolouring blends it again.
    write_png(OUT, "close-active.png", 16, 16,
              lambda x, y: (255, 255, 255, 128) if y == 1 and 2 <= x <= 13 else (0, 0, 0, 0))


if __name__ == "__main__":
    main()
